#include "game/numconv.h"

#include <limits>

namespace game {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

template <typename T>
std::optional<T> narrow(std::optional<std::int64_t> v) {
    if (!v || *v < std::numeric_limits<T>::min() || *v > std::numeric_limits<T>::max()) return std::nullopt;
    return static_cast<T>(*v);
}

}  // namespace

std::optional<std::int64_t> toWhole(std::string_view text) {
    if (text.size() > kMaxNumberText) return std::nullopt;
    std::size_t i = 0, end = text.size();
    while (i < end && blank(text[i])) ++i;
    while (end > i && blank(text[end - 1])) --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    // The whole part, kept below 10^18 so it never overflows; anything
    // larger is out of every range anyway.
    constexpr std::int64_t kLimit = 1'000'000'000'000'000'000;
    std::int64_t whole = 0;
    bool tooBig = false;
    std::size_t digits = 0;
    for (; i < end && digit(text[i]); ++i, ++digits) {
        if (tooBig) continue;
        if (whole >= kLimit / 10) tooBig = true;
        else whole = whole * 10 + (text[i] - '0');
    }
    // The fraction decides the rounding only: its first digit and whether
    // anything but zeros follows it.
    int firstFraction = 0;
    bool restNonZero = false;
    if (i < end && (text[i] == '.' || text[i] == ',')) {
        ++i;
        for (std::size_t k = 0; i < end && digit(text[i]); ++i, ++k, ++digits) {
            if (k == 0) firstFraction = text[i] - '0';
            else if (text[i] != '0') restNonZero = true;
        }
    }
    if (i != end || digits == 0) return std::nullopt;
    if (tooBig) return std::nullopt;

    const bool up = firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1));
    if (up) ++whole;
    return negative ? -whole : whole;
}

std::optional<std::int32_t> toInt32(std::string_view text) { return narrow<std::int32_t>(toWhole(text)); }

std::optional<std::int16_t> toInt16(std::string_view text) { return narrow<std::int16_t>(toWhole(text)); }

}  // namespace game
