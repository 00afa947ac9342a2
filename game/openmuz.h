#pragma once
// (to be written)
#include <cstdint>

#include "game/form.h"

namespace game {

class OpenMuz : public Form {
public:
    explicit OpenMuz(Game& game) : Form(game, "openMuz") { keepDesign(); }
};

}  // namespace game
