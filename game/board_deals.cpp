// Deals made by pointing at a share square: a sale in sell mode, a purchase
// of any free share in market mode, and player 1's buy-out of a computer's
// share. The buttons only arm a one-shot mode; the next click on a share
// square consults the modes in a fixed order (buy-out, sale, market) and
// carries out at most one deal on that square's share.

#include "game/board.h"
#include "game/game.h"
#include "game/money.h"

namespace game {

void Board::prod_Click(int seat) { sellmode = static_cast<std::int16_t>(seat); }

void Board::wikup1_Click() { buyoutmode = 1; }

void Board::shareSquare_Click(int n) {
    if (n < 1 || n > kShareCount) return;
    const Share& sh = share(n);
    const int price = sh.price;
    std::int16_t& own = owner[static_cast<std::size_t>(n)];

    if (buyoutmode == 1) {
        // The mode is spent by this click whatever follows.
        buyoutmode = 0;
        if (own != 2) return;
        const int cost = sh.buyoutPrice();
        if (game().msgBox("Вы действительно хотите выкупить эту акцию за " + num(cost) + "?", "Выкуп акции",
                          StyleYesNo) != Answer::Yes)
            return;
        if (money1 < cost) {
            game().msgBox("У вас нет таких денег", "Нет денег", StyleStop);
            return;
        }
        counter(1, sh.group) = add16(counter(1, sh.group), 1);
        counter(2, sh.group) = add16(counter(2, sh.group), -1);
        money1 = addCash(money1, -cost);
        money2 = addCash(money2, cost);
        showMoney(1);
        showMoney(2);
        ak(n).fillColor = fish(1).fillColor;
        own = 1;
        income1 = add16(income1, sh.income());
        income2 = add16(income2, -sh.income());
        showIncome(1);
        showIncome(2);
        return;
    }

    if (sellmode == 1 || sellmode == 2) {
        const int s = sellmode;
        // Not the seller's share: nothing happens and the mode stays armed.
        if (own != s) return;
        counter(s, sh.group) = add16(counter(s, sh.group), -1);
        own = 0;
        ak(n).fillColor = kUnownedGrey;
        money(s) = addCash(money(s), sh.salePrice());
        showMoney(s);
        income(s) = add16(income(s), -sh.income());
        showIncome(s);
        sellmode = 0;
        return;
    }

    if (marketmode == 1 || marketmode == 2) {
        const int s = marketmode;
        if (own != 0 || money(s) < price) return;
        ak(n).fillColor = fish(s).fillColor;
        counter(s, sh.group) = add16(counter(s, sh.group), 1);
        own = static_cast<std::int16_t>(s);
        money(s) = addCash(money(s), -price);
        showMoney(s);
        income(s) = add16(income(s), sh.income());
        showIncome(s);
        marketmode = 0;
    }
}

}  // namespace game
