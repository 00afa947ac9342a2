// The computer's whole turn, played inside player 1's end of turn: forced
// sales while its cash is negative (bankruptcy when nothing is left), a roll,
// the move, the square's effect, the start bonus, buying and rent, and the
// hand-back of the die to player 1. The computer uses no bank, draws no
// event, plays no roulette, buys nothing from the market and buys nothing out.

#include "game/board.h"
#include "game/game.h"
#include "game/money.h"

namespace game {

void Board::computerTurn() {
    // Forced sales: the lowest-numbered share first, one at a time, until the
    // cash is no longer below -500. The labels wait for the hand-back.
    if (money2 < 0) {
        for (;;) {
            int n = 0;
            for (int i = 1; i <= kShareCount && n == 0; ++i)
                if (owner[static_cast<std::size_t>(i)] == 2) n = i;
            if (n == 0) surrenderPair(2);  // bankrupt: nothing left to sell
            const Share& sh = share(n);
            ak(n).fillColor = kUnownedGrey;
            owner[static_cast<std::size_t>(n)] = 0;
            money2 = addCash(money2, sh.salePrice());
            income2 = add16(income2, -sh.income());
            counter(2, sh.group) = add16(counter(2, sh.group), -1);
            if (!(money2 < -500)) break;
        }
    }

    // Roll.
    game().randomize();
    cpudie = static_cast<std::int16_t>(draw(6));
    showDieFace(cpudie);

    // Move. lap2 runs on without the wrap; it is kept in range so that a long
    // run of landings on squares without a share cannot overflow it.
    lap2 = add16(lap2, cpudie);
    pos2 = add16(pos2, cpudie);

    // Landing.
    const int square = squareOfPosition(pos2);
    Control& token = fish(2);
    token.left = tokenLeft(2, square);
    token.top = tokenTop(2, square);
    pos2 = static_cast<std::int16_t>(storedPosition(pos2));
    Control& sled2 = *find("sled2");
    const SquareKind kind = squareKind(square);
    if (kind == SquareKind::Share) {
        const int n = shareOfSquare(square);
        const Share& sh = share(n);
        sled2.visible = true;
        curprice = static_cast<std::int16_t>(sh.price);
        curincome = static_cast<std::int16_t>(sh.income());
        curshare = static_cast<std::int16_t>(n);

        // The start bonus, paid only on a share square; a bonus earned on
        // another square waits for this landing.
        if (lap2 > 31) {
            money2 = addCash(money2, 200 + static_cast<std::int64_t>(income2));
            lap2 = pos2;
            showMoney(2);
        }

        // Buying: every free share it can pay for, nothing else weighed.
        std::int16_t& own = owner[static_cast<std::size_t>(n)];
        if (money2 >= curprice && own == 0) {
            ak(n).fillColor = fish(2).fillColor;
            own = 2;
            income2 = add16(income2, curincome);
            money2 = addCash(money2, -static_cast<std::int64_t>(curprice));
            counter(2, sh.group) = add16(counter(2, sh.group), 1);
        }

        rentStep(2, "Его оштрафовали!");
    } else {
        curshare = 0;
        switch (kind) {
        case SquareKind::Police:
            sled2.visible = true;
            info("Его посадили за решётку!", "Милиция", StyleInformation);
            jail2 = 1;
            break;
        case SquareKind::Roulette:
            break;  // sled2 keeps its visibility
        case SquareKind::Tax:
            sled2.visible = true;
            money2 = addCash(money2, -static_cast<std::int64_t>(income2));
            showMoney(2);
            break;
        default:  // start corner, event, bank and market squares: no effect
            sled2.visible = true;
            break;
        }
    }

    // Hand-back. If player 1 lost this turn, only his flag is cleared: he
    // must press sled1 again for the computer's next turn.
    if (jail1 == 1) {
        jail1 = 0;
    } else {
        find("kub1")->visible = true;
        showPlayer(1);
    }
    showIncome(2);
    showMoney(2);
}

}  // namespace game
