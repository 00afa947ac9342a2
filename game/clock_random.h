#pragma once
// The program's random generator. There is one for the whole run; reseeding
// from the clock folds the clock value into the running state instead of
// restarting the sequence, so two reseeds within the same second (a player's
// roll and the event it lands on, or his roll and the computer's) still give
// independent values.

#include <cstdint>

#include "game/ports.h"

namespace game {

class ClockRandom : public Random {
public:
    ClockRandom();
    void reseed() override;
    float next() override;
    // Folds a given clock value in; reseed() passes seconds since midnight.
    void fold(std::uint64_t clockValue);

private:
    std::uint64_t state_;
};

}  // namespace game
