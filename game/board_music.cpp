// The music menu.
#include "game/board.h"
#include "game/game.h"

namespace game {

std::string Board::trackPath(int index) { return "musik/track" + std::to_string(index + 1) + ".mid"; }

void Board::mtrack_Click(int) {}
void Board::nomus_Click() {}
void Board::upr_Click() {}

}  // namespace game
