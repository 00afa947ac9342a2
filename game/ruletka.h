#pragma once
// (to be written)
#include <cstdint>

#include "game/form.h"

namespace game {

class Ruletka : public Form {
public:
    explicit Ruletka(Game& game) : Form(game, "ruletka") { keepDesign(); }
};

}  // namespace game
