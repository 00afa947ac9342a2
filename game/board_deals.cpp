// Deals made by pointing at a share square: sale, market purchase, buy-out.
#include "game/board.h"
#include "game/game.h"

namespace game {

void Board::prod_Click(int) {}
void Board::wikup1_Click() {}
void Board::shareSquare_Click(int) {}

}  // namespace game
