#pragma once
// The splash window shown at program start; after a second it gives way to
// the set-up window.

#include "game/form.h"

namespace game {

class Welcome : public Form {
public:
    explicit Welcome(Game& game);
    void Timer1_Timer();
    void timerTick(const std::string& timer) override;
    // Closing the splash ends the program, as the set-up window's exit does.
    void closeBox() override;
};

}  // namespace game
