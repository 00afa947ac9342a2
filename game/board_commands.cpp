// Ways a game ends and the board's small commands.
#include "game/board.h"
#include "game/game.h"

namespace game {

void Board::Timer2_Timer() {}
void Board::close_Click(int seat) { surrenderPair(seat); }
void Board::surrenderPair(int) { game().endProgram(); }
void Board::exit_Click() { game().endProgram(); }
void Board::Form_Unload() { game().endProgram(); }
void Board::wso_Click() {}
void Board::karta12_Click() {}

}  // namespace game
