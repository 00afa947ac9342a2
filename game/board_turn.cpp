// A person's turn: debts, interest, roll, move, the square's action, random
// events, rent, and buying the share under the token.
//
// Everything here runs inside one click. Message boxes show the screen as
// the model stands at that moment, so the order of the changes below is part
// of the rules: the rent box comes before the cash labels are rewritten, an
// event's cash changes only after its box is closed.
#include <cstdint>

#include "game/bank.h"
#include "game/board.h"
#include "game/game.h"
#include "game/money.h"
#include "game/ruletka.h"

namespace game {

namespace {

struct Event {
    const char* text;
    int amount;
};

// The 20 random events; the last one also takes its 1000 from the rival.
const Event kEvents[20] = {
    {"У вас умер богатый дядя! Он оставил вам в наследство 800$!", 800},
    {"У вас умерла тётя! Как наследник вы должны кридиторам 200$!", -200},
    {"Нельзя так поздно ходить по улицам! Вставная челюсть стоит 100$!", -100},
    {"Вы получили оскар и продали его за 500$!", 500},
    {"Кто-то неудачно пошутил! Чтобы выйти из тюрьмы вы заплатили штраф 200$", -200},
    {"Вы женились! Свадьба обошлась в 200$!", -200},
    {"Вы сломали руку! Страховое агенство выплатило вам 150$!", 150},
    {"Вы убили человека! За работу вам заплатили 1000$!", 1000},
    {"Поработав целый месяц дворником вы заработали 1150$!", 1150},
    {"Вам разбили сердце! Вы пропили 100$!", -100},
    {"Вы купили новый компьютер!(за 300$)", -300},
    {"Вы заболели гриппом. Лечение обошлось в 400$!", -400},
    {"У вас день рождения! (+600$)", 600},
    {"Вирус испортил вам компьютер.(-300$)", -300},
    {"Злобные антихакеры поймали вас!(-1000$)", -1000},
    {"У вас была выгодная сделка с Вилли Кнопсом!(+2000$)", 2000},
    {"Ваш новый робот сильно повредил вашу руку. Протез стоит 250$", -250},
    {"Вам пришёл подарок от правительства: 100$", 100},
    {"Ваша машина сгорела!(-300$)", -300},
    {"Ваш соперник решил поделиться с вами деньгами!", 1000},
};

constexpr int kEventShare = 20;

std::int32_t& debt(Bank& bank, int seat) { return seat == 1 ? bank.dl1 : bank.dl2; }
std::int32_t& deposit(Bank& bank, int seat) { return seat == 1 ? bank.sth1 : bank.sth2; }

// One roll's interest on an account: balance x rate + balance in double
// precision, rounded to a whole amount (ties to even) and kept in range.
std::int32_t withInterest(std::int32_t balance, double rate) {
    const double b = static_cast<double>(balance);
    return roundCash(b * rate + b);
}

bool validShare(int n) { return n >= 1 && n <= kShareCount; }

}  // namespace

void Board::kub_Click(int seat) {
    // A player in debt must raise cash first; nothing else happens.
    if (money(seat) < 0) {
        game().msgBox("Прежде чем начать ход вам необходимо расплатиться с долгами!", "Нет денег", StyleStop);
        seatControl("close", seat).visible = true;
        seatControl("prod", seat).visible = true;
        return;
    }
    seatControl("close", seat).visible = false;

    // Interest on the seat's accounts, charged at every roll that gets here.
    Bank& bank = game().bank();
    debt(bank, seat) = withInterest(debt(bank, seat), 0.05);
    deposit(bank, seat) = withInterest(deposit(bank, seat), 0.02);

    // A debt the seat was warned about is taken from its cash, interest included.
    if (debtwarn(seat) == 1) {
        debtwarn(seat) = 0;
        money(seat) = addCash(money(seat), -static_cast<std::int64_t>(debt(bank, seat)));
        debt(bank, seat) = 0;
        showMoney(seat);
    }
    if (debt(bank, seat) > 5000) {
        game().msgBox("У вас долг выше 5000! Немедленно верните деньги!", "Банк", StyleInformation);
        debtwarn(seat) = 1;
    }

    if (seat == 1) {
        seatControl("rul", seat).visible = false;
        game().ruletka().hide();
        seatControl("kup", seat).visible = false;
        seatControl("kub", seat).visible = false;
        seatControl("prod", seat).visible = true;
    } else {
        seatControl("prod", seat).visible = true;
        seatControl("rul", seat).visible = false;
        game().ruletka().hide();
        seatControl("kup", seat).visible = false;
        seatControl("kub", seat).visible = false;
    }

    game().randomize();
    die = static_cast<std::int16_t>(draw(6));
    showDieFace(die);

    lap(seat) = add16(lap(seat), die);
    pos(seat) = add16(pos(seat), die);

    if (seat == 1 && kind2 == 2) find("wikup1")->visible = true;

    // The lap counter runs without the left column's rewrite, so it passes
    // 31 exactly when the token reaches or passes the start corner.
    if (lap(seat) > 31) {
        money(seat) = addCash(money(seat), 200 + static_cast<std::int64_t>(income(seat)));
        lap(seat) = pos(seat);
        showMoney(seat);
    }

    land(seat);
}

void Board::land(int seat) {
    const int p = pos(seat);
    // After a roll the position is in -5..31; anything else names no square.
    if (p < -5 || p > 31) return;
    const int square = squareOfPosition(p);

    Control& token = fish(seat);
    token.left = tokenLeft(seat, square);
    token.top = tokenTop(seat, square);
    pos(seat) = static_cast<std::int16_t>(storedPosition(p));

    Control& kup = seatControl("kup", seat);
    Control& sled = seatControl("sled", seat);
    Control& prod = seatControl("prod", seat);

    switch (squareKind(square)) {
    case SquareKind::Share: {
        const int n = shareOfSquare(square);
        kup.visible = true;
        sled.visible = true;
        curprice = static_cast<std::int16_t>(share(n).price);
        curincome = static_cast<std::int16_t>(share(n).price / 10);
        curshare = static_cast<std::int16_t>(n);
        rentStep(seat, "Вас оштрафовали!");
        lastStep(seat);
        return;
    }
    case SquareKind::Event:
        sled.visible = true;
        curshare = 0;
        prod.visible = false;
        randomEvent(seat);
        lastStep(seat);
        return;
    case SquareKind::Police:
        sled.visible = true;
        curshare = 0;
        prod.visible = false;
        info("Вас посадили за решётку!", "Милиция", StyleInformation);
        prod.visible = false;
        jail(seat) = 1;
        lastStep(seat);
        return;
    case SquareKind::Bank:
        sled.visible = true;
        curshare = 0;
        game().msgBox("За посещение банка вам дали 200", "Удача", StyleExclamation);
        money(seat) = addCash(money(seat), 200);
        showMoney(seat);
        return;
    case SquareKind::Roulette:
        curshare = 0;
        prod.visible = false;
        sled.visible = true;
        seatControl("rul", seat).visible = true;
        return;
    case SquareKind::Tax:
        sled.visible = true;
        curshare = 0;
        info("Заплатите налоги и спите спокойно!", "Налоговая инспекция", StyleExclamation);
        money(seat) = addCash(money(seat), -static_cast<std::int64_t>(income(seat)));
        showMoney(seat);
        return;
    case SquareKind::Market:
        sled.visible = true;
        curshare = 0;
        prod.visible = false;
        info("Вы можете купить любую непреобретённую акцию!", "Информация", StyleInformation);
        prod.visible = false;
        sled.visible = true;
        marketmode = static_cast<std::int16_t>(seat);
        return;
    case SquareKind::Start:
        sled.visible = true;
        curshare = 0;
        lastStep(seat);
        return;
    }
}

void Board::randomEvent(int seat) {
    game().randomize();
    eventno = static_cast<std::int16_t>(draw(20));
    const Event& e = kEvents[eventno - 1];
    game().msgBox(e.text, "Сообщение", StyleInformation);
    // The cash changes only once the player has read the box.
    money(seat) = addCash(money(seat), e.amount);
    if (eventno == kEventShare) {
        const int rival = 3 - seat;
        money(rival) = addCash(money(rival), -1000);
        showMoney(1);
        showMoney(2);
    } else {
        showMoney(seat);
    }
}

void Board::lastStep(int seat) {
    if (curshare == 0) seatControl("prod", seat).visible = false;
    // A share that anybody owns, the mover included, cannot be bought here.
    if (validShare(curshare) && owner[static_cast<std::size_t>(curshare)] > 0)
        seatControl("kup", seat).visible = false;
}

void Board::rentStep(int mover, const std::string& message) {
    const int n = curshare;
    if (!validShare(n)) return;
    const int rival = 3 - mover;
    const Group g = share(n).group;

    // The first rent case that holds decides; a full group that does not hold
    // this share passes on to the next case.
    bool whole = false;
    double factor = 0.5;
    if (capturedCity(rival)) {
        whole = true;
        factor = 5;
    } else if (g == Group::Food && groupFull(rival, Group::Food)) {
        factor = 1.5;
    } else if (g == Group::Shops && groupFull(rival, Group::Shops)) {
        whole = true;
        factor = 2;
    } else if (g == Group::Bazaars && groupFull(rival, Group::Bazaars)) {
        factor = 1.5;
    } else if (g == Group::Heavy && groupFull(rival, Group::Heavy)) {
        factor = 1.5;
    }
    if (owner[static_cast<std::size_t>(n)] != rival) return;

    // The payer first; each new balance is worked out (and rounded) by itself.
    if (whole) {
        const std::int64_t rent = static_cast<std::int64_t>(curincome) * static_cast<std::int64_t>(factor);
        money(mover) = addCash(money(mover), -rent);
        money(rival) = addCash(money(rival), rent);
    } else {
        const double rent = static_cast<double>(curincome) * factor;
        money(mover) = roundCash(static_cast<double>(money(mover)) - rent);
        money(rival) = roundCash(rent + static_cast<double>(money(rival)));
    }
    info(message, "Чужая земля", StyleInformation);
    seatControl("kup", mover).visible = false;
    showMoney(1);
    showMoney(2);
}

void Board::kup_Click(int seat) {
    const int n = curshare;
    // The turn shows the button only on a share nobody else owns; a press
    // anywhere else (no share under the token, or the rival's share) would
    // corrupt the owner table and the counters, so it buys nothing.
    if (validShare(n) && owner[static_cast<std::size_t>(n)] != 3 - seat) {
        const std::size_t i = static_cast<std::size_t>(n);
        if (owner[i] == seat) {
            info("Это уже ваша земля!", "Наша земля", StyleInformation);
        } else if (money(seat) >= curprice) {
            money(seat) = addCash(money(seat), -static_cast<std::int64_t>(curprice));
            showMoney(seat);
            income(seat) = static_cast<std::int16_t>(income(seat) + curincome);
            ak(n).fillColor = fish(seat).fillColor;
            owner[i] = static_cast<std::int16_t>(seat);
            std::int16_t& c = counter(seat, share(n).group);
            c = static_cast<std::int16_t>(c + 1);
        } else {
            info("У вас не хватает денег!", "Ошибка", StyleStop);
        }
    }
    showIncome(seat);
}

}  // namespace game
