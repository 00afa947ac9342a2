// A person's turn: debts, interest, roll, move, the square's action, random
// events, rent, and buying the share under the token.
#include "game/board.h"
#include "game/game.h"

namespace game {

void Board::kub_Click(int) {}
void Board::land(int) {}
void Board::randomEvent(int) {}
void Board::lastStep(int) {}
void Board::rentStep(int, const std::string&) {}
void Board::kup_Click(int) {}

}  // namespace game
