#pragma once
// Cash arithmetic. Cash and bank accounts are 32-bit, but a long game can
// push a compounding deposit past that range: every sum is formed in 64 bits
// and the result kept inside the 32-bit range instead of wrapping.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace game {

inline std::int32_t clamp32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

inline bool fits32(std::int64_t v) {
    return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

// Nearest whole number, a half going to the even one (30 * 1.05 = 31.5 -> 32).
inline std::int64_t roundHalfEven(double v) {
    if (!(v == v)) return 0;
    if (v > 9.0e18) return std::numeric_limits<std::int64_t>::max();
    if (v < -9.0e18) return std::numeric_limits<std::int64_t>::min();
    double r = std::round(v);  // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5 && std::fmod(r, 2.0) != 0.0) r -= (v > 0 ? 1.0 : -1.0);
    return static_cast<std::int64_t>(r);
}

// A balance rounded to a whole 32-bit amount.
inline std::int32_t roundCash(double v) { return clamp32(roundHalfEven(v)); }

inline std::int32_t addCash(std::int32_t a, std::int64_t b) { return clamp32(static_cast<std::int64_t>(a) + b); }

// A 16-bit board number changed by delta, kept inside its range.
inline std::int16_t add16(std::int16_t v, int delta) {
    const int r = static_cast<int>(v) + delta;
    if (r > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

inline std::string num(std::int64_t v) { return std::to_string(v); }

}  // namespace game
