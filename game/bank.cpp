#include "game/bank.h"

#include "game/board.h"
#include "game/game.h"
#include "game/money.h"
#include "game/numconv.h"

namespace game {

namespace {

enum class Operation { Borrow, Deposit, Withdraw, Repay };

}  // namespace

Bank::Bank(Game& game) : Form(game, "bank") {
    title = "Банк";
    clientWidth = 4005;
    clientHeight = 4470;

    addDesigned({
        {"Label1", Kind::Label, "Банк", 1560, 120, 975, 495, 0xC0, makeFont("Arial", 20.25)},
        {"Option1", Kind::Option, "Взять взаймы", 240, 1680, 2175, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"Option2", Kind::Option, "Положить под проценты", 240, 2040, 3615, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"Label2", Kind::Label, "У вас на счету:", 240, 840, 1935, 255, 0x800000, makeFont("Arial", 12, true, true)},
        {"Label3", Kind::Label, "Долг:", 240, 1200, 735, 255, 0x800000, makeFont("Arial", 12, true, true)},
        {"Option3", Kind::Option, "Забрать деньги", 240, 2400, 2415, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"Option4", Kind::Option, "Отдать долг", 240, 2760, 2055, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"Command1", Kind::Button, "ОК", 2880, 2520, 615, 495, kSysButtonText, makeFont("Arial", 9.75)},
        {"Command2", Kind::Button, "Выход", 1200, 3720, 1455, 495, kSysButtonText, makeFont("Arial", 12)},
        {"Label4", Kind::Label, "Деньги:", 240, 3240, 975, 255, 0x8000, makeFont("Arial", 12, true, true)},
        {"mmon", Kind::TextBox, "", 1320, 3225, 1575, 300, 0x404080, makeFont("Arial", 11.25)},
        {"stchot", Kind::Label, "0", 2160, 840, 1575, 255, 0x800080, makeFont("Arial", 12)},
        {"dolg", Kind::Label, "0", 960, 1200, 1575, 255, 0xFF, makeFont("Arial", 12)},
    });

    // The account labels follow the accounts as they change.
    addTimer("Timer1", 10, true);

    addVar("dl1", dl1);
    addVar("dl2", dl2);
    addVar("sth1", sth1);
    addVar("sth2", sth2);
    addVar("cash1", cash1);
    addVar("cash2", cash2);
    addVar("amount", amount);
    keepDesign();
}

int Bank::seatOnTurn() const {
    Form* board = game().existing("torgal");
    if (!board) return 1;
    for (auto [name, seat] : {std::pair{"kub1", 1}, std::pair{"kub2", 2}, std::pair{"sled1", 1}, std::pair{"sled2", 2}}) {
        const Control* c = board->find(name);
        if (c && c->visible) return seat;
    }
    return 1;
}

void Bank::refreshLabels() {
    if (!loaded()) return;
    const int seat = seatOnTurn();
    find("stchot")->caption = num(sth(seat));
    find("dolg")->caption = num(dl(seat));
}

bool Bank::click(const std::string& control) {
    if (control == "Command1") Command1_Click();
    else if (control == "Command2") Command2_Click();
    return true;  // labels and option buttons have no handler of their own
}

void Bank::closeBox() { Form_Unload(); }

void Bank::Command1_Click() {
    const int seat = seatOnTurn();
    Board& board = game().torgal();
    cash(seat) = board.money(seat);

    const std::optional<std::int32_t> typed = toInt32(find("mmon")->caption);
    if (!typed) {
        game().msgBox("Введите число!", "Ошибка", StyleStop);
        return;
    }
    amount = *typed;

    Operation op = Operation::Borrow;
    if (find("Option1")->value) op = Operation::Borrow;
    else if (find("Option2")->value) op = Operation::Deposit;
    else if (find("Option3")->value) op = Operation::Withdraw;
    else if (find("Option4")->value) op = Operation::Repay;

    // The tests, each with its refusal; all in 64 bits, so a huge debt or
    // deposit cannot wrap a comparison.
    const std::int64_t a = amount, c = cash(seat), debt = dl(seat), deposit = sth(seat);
    const char* refusal = nullptr;
    switch (op) {
    case Operation::Borrow:
        if (a > 1000) refusal = "Нельзя брать взаймы больше 1000";
        else if (a < 1) refusal = "Нельзя брать взаймы меньше 1";
        else if (debt + a > 1000) refusal = "Нельзя брать взаймы больше 1000";
        break;
    case Operation::Deposit:
        if (a < 1) refusal = "Нельзя класть под проценты меньше 1";
        else if (a > c) refusal = "У вас нет столько денег";
        break;
    case Operation::Withdraw:
        // A negative amount would move cash into the deposit unchecked.
        if (a < 1) refusal = "Нельзя забирать меньше 1";
        else if (a > deposit) refusal = "У вас нет столько денег на счету";
        break;
    case Operation::Repay:
        // A negative amount would raise the debt past its cap.
        if (a < 1) refusal = "Нельзя отдавать меньше 1";
        else if (a > c) refusal = "У вас нет денег чтобы отдать долг!";
        else if (a > debt) refusal = "У вас не такой большой долг!";
        break;
    }
    if (refusal) {
        game().msgBox(refusal, "Ошибка", StyleInformation);
        return;
    }

    // The operation happens whole or not at all: every new value must fit
    // the 32-bit accounts and cash before any of them is written.
    std::int64_t newCash = c, newDebt = debt, newDeposit = deposit;
    switch (op) {
    case Operation::Borrow: newDebt += a; newCash += a; break;
    case Operation::Deposit: newDeposit += a; newCash -= a; break;
    case Operation::Withdraw: newCash += a; newDeposit -= a; break;
    case Operation::Repay: newCash -= a; newDebt -= a; break;
    }
    if (!fits32(newCash) || !fits32(newDebt) || !fits32(newDeposit)) {
        game().msgBox("Введите число!", "Ошибка", StyleStop);
        return;
    }

    cash(seat) = static_cast<std::int32_t>(newCash);
    dl(seat) = static_cast<std::int32_t>(newDebt);
    sth(seat) = static_cast<std::int32_t>(newDeposit);
    board.money(seat) = cash(seat);
    board.showMoney(seat);
    if (op == Operation::Borrow || op == Operation::Repay) find("dolg")->caption = num(dl(seat));
    else find("stchot")->caption = num(sth(seat));
}

void Bank::Command2_Click() {
    game().torgal().setEnabled(true);
    hide();
}

void Bank::Form_Unload() {
    game().torgal().setEnabled(true);
    hide();
    unload();
}

}  // namespace game
