#pragma once
// (to be written)
#include <cstdint>

#include "game/form.h"

namespace game {

class Bank : public Form {
public:
    explicit Bank(Game& game) : Form(game, "bank") { keepDesign(); }
    // The account labels show the accounts of the player on turn.
    void refreshLabels() {}
    std::int32_t dl1 = 0, dl2 = 0, sth1 = 0, sth2 = 0;
};

}  // namespace game
