#pragma once
// (to be written)
#include <cstdint>

#include "game/form.h"

namespace game {

class Help1 : public Form {
public:
    explicit Help1(Game& game) : Form(game, "help1") { keepDesign(); }
};

}  // namespace game
