#pragma once
// (to be written)
#include <cstdint>

#include "game/form.h"

namespace game {

class Helpprog : public Form {
public:
    explicit Helpprog(Game& game) : Form(game, "helpprog") { keepDesign(); }
};

}  // namespace game
