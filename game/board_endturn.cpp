// The end of a turn and the lost-turn rule. `sled1` and `sled2` hand the die
// to the other seat, clearing the one-shot deal modes left armed; a seat
// whose lost-turn flag is set is skipped once. Against the computer, `sled1`
// plays the computer's whole turn inside the same click.
//
// The order of the steps is part of the game: the whose-turn label is
// written before the buttons change, and `sled1` with `jail1` set leaves all
// of player 1's buttons as they were (so `sled1`, lying over `sled2`, stays
// the end-of-turn button the next player sees).
#include "game/board.h"
#include "game/game.h"
#include "game/ruletka.h"

namespace game {

void Board::sled2_Click() {
    showPlayer(1);
    sellmode = 0;
    find("prod2")->visible = false;
    marketmode = 0;
    find("rul2")->visible = false;
    game().ruletka().hide();
    find("kub2")->visible = false;
    find("kup2")->visible = false;
    find("sled2")->visible = false;
    if (jail1 == 1) {
        // Player 1 loses this turn: player 2 rolls again.
        jail1 = 0;
        find("kub2")->visible = true;
        showPlayer(2);
    } else {
        find("kub1")->visible = true;
    }
}

void Board::sled1_Click() {
    find("wikup1")->visible = false;
    showPlayer(2);
    sellmode = 0;
    find("prod1")->visible = false;
    marketmode = 0;
    if (jail1 != 1) {
        find("rul1")->visible = false;
        game().ruletka().hide();
        find("sled1")->visible = false;
        find("kub1")->visible = false;
        find("kup1")->visible = false;
        if (jail2 == 1) {
            // Player 2 (or the computer) loses this turn: player 1 rolls
            // again, and player 2's labels are left as they are.
            jail2 = 0;
            find("kub1")->visible = true;
            showPlayer(1);
            return;
        }
        if (kind2 == 2) {
            computerTurn();
            return;
        }
    } else if (kind2 != 1) {
        // Player 1 is jailed: his buttons stay, jail2 is not looked at, and
        // anything but a person in seat 2 means the computer plays.
        computerTurn();
        return;
    }
    // Hand-over to a person.
    find("kub2")->visible = true;
    showIncome(2);
    showMoney(2);
}

}  // namespace game
