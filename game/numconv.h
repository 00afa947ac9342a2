#pragma once
// Turning a typed text into a whole number, for every box where a player
// types an amount, a stake or a guess. A number is: optional blanks, an
// optional sign, digits with at most one decimal separator ('.' or ','),
// optional blanks. A fraction is rounded to the nearest whole number, a
// half to the even one ("2.5" -> 2, "3.5" -> 4). Anything else, and any
// number outside the target's range, is not a number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace game {

// The longest text that can still be a number; longer input is refused
// without being looked at.
constexpr std::size_t kMaxNumberText = 200;

// The rounded value, or nothing when the text is no number or lies far
// outside every range the game uses (beyond 64 bits).
std::optional<std::int64_t> toWhole(std::string_view text);

std::optional<std::int32_t> toInt32(std::string_view text);
std::optional<std::int16_t> toInt16(std::string_view text);

}  // namespace game
