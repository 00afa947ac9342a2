#include "game/clock_random.h"

#include <chrono>
#include <ctime>

namespace game {

namespace {

// splitmix64: small, fast, and good enough for dice.
std::uint64_t mix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

ClockRandom::ClockRandom()
    : state_(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
             static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {}

void ClockRandom::fold(std::uint64_t clockValue) {
    std::uint64_t k = clockValue;
    state_ ^= mix(k);
    (void)mix(state_);
}

void ClockRandom::reseed() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    fold(static_cast<std::uint64_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec));
}

float ClockRandom::next() {
    // 24 random bits give every float in [0, 1) on a 2^-24 grid.
    const std::uint64_t bits = mix(state_) >> 40;
    return static_cast<float>(bits) / 16777216.0f;
}

}  // namespace game
