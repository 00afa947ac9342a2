// Ways a game ends and the board's small commands: the win check with its
// offer to play on, surrender, the exit command and close box, the messages
// switch, and the police square that frees both players.
//
// Every ending shows its boxes in order and then ends the program at once:
// endProgram() does not return, so nothing of the handler runs after it.
#include "game/board.h"
#include "game/game.h"

namespace game {

namespace {

// Marks the win check's own boxes as open for as long as it runs, also when
// an ending unwinds it.
class OpenFlag {
public:
    explicit OpenFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~OpenFlag() { flag_ = false; }
    OpenFlag(const OpenFlag&) = delete;
    OpenFlag& operator=(const OpenFlag&) = delete;

private:
    bool& flag_;
};

const char* const kFirst = "Первый игрок";
const char* const kSecond = "Второй игрок";

}  // namespace

// The win check. Its boxes are modal but the timer ticks on meanwhile; a tick
// that arrives while they are open is held back, so one capture is announced
// once and a second question cannot end a game the players chose to go on.
void Board::Timer2_Timer() {
    if (winCheckOpen_) return;
    for (int seat : {1, 2}) {
        if (!capturedCity(seat)) continue;
        OpenFlag open(winCheckOpen_);
        game().msgBox("Игрок " + std::to_string(seat) + " захватил Медноярск!", "Победа", StyleInformation);
        if (game().msgBox("Желаете ли вы продолжать играть?", "Победа", StyleYesNo) == Answer::Yes) {
            // Playing on: the check never runs again in this run.
            findTimer("Timer2")->enabled = false;
            return;
        }
        // The capture pair names the winner first.
        const std::string winner = seat == 1 ? kFirst : kSecond;
        const std::string loser = seat == 1 ? kSecond : kFirst;
        game().msgBox(winner + " победил!", "Победа", StyleStop);
        game().msgBox(loser + " проиграл!", "Поражение", StyleExclamation);
        game().endProgram();
    }
}

void Board::close_Click(int seat) { surrenderPair(seat); }

// The surrender pair names the loser first; the computer's bankruptcy shows
// the pair of seat 2.
void Board::surrenderPair(int seat) {
    const std::string loser = seat == 1 ? kFirst : kSecond;
    const std::string winner = seat == 1 ? kSecond : kFirst;
    game().msgBox(loser + " проиграл!", "Поражение", StyleStop);
    game().msgBox(winner + " победил!", "Победа", StyleExclamation);
    game().endProgram();
}

void Board::exit_Click() { game().endProgram(); }

void Board::Form_Unload() { game().endProgram(); }

void Board::wso_Click() {
    if (msgoff == 0) {
        msgoff = 1;
        find("wso")->value = false;
    } else if (msgoff == 1) {
        msgoff = 0;
        find("wso")->value = true;
    }
}

// Anyone may click the police square at any time: both lost turns are
// forgiven.
void Board::karta12_Click() {
    jail1 = 0;
    jail2 = 0;
}

}  // namespace game
