// The computer's whole turn, played inside player 1's end of turn.
#include "game/board.h"
#include "game/game.h"

namespace game {

void Board::computerTurn() {}

}  // namespace game
