// The bank window: which seat it serves, the four operations with their
// refusals, and what survives hiding and closing the window.
#include <gtest/gtest.h>

#include "game/bank.h"
#include "game/board.h"
#include "game/game.h"
#include "support/scripted_ports.h"

using namespace testing_support;

namespace {

class BankTest : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;
    game::Bank* bank = nullptr;

    void SetUp() override {
        h.startGame();
        b = &h.game.torgal();
        h.game.click("torgal", "karta14");
        bank = &h.game.bank();
    }
    // Runs one operation: the option (0 = none) and the typed amount, then OK.
    void operate(int option, const std::string& amount) {
        if (option) h.game.click("bank", "Option" + std::to_string(option));
        h.game.type("bank", "mmon", amount);
        h.game.click("bank", "Command1");
    }
    void onlyVisible(std::initializer_list<const char*> names) {
        for (const char* n : {"kub1", "kub2", "sled1", "sled2"}) b->find(n)->visible = false;
        for (const char* n : names) b->find(n)->visible = true;
        h.game.refreshDerived();
    }
    std::string caption(const char* control) { return bank->find(control)->caption; }
    void expectOneBox(const std::string& text, int style) {
        ASSERT_EQ(h.dialogs.boxes.size(), 1u);
        EXPECT_EQ(h.dialogs.boxes[0].text, text);
        EXPECT_EQ(h.dialogs.boxes[0].title, "Ошибка");
        EXPECT_EQ(h.dialogs.boxes[0].style, style);
        h.dialogs.boxes.clear();
    }
};

TEST_F(BankTest, opensOverADisabledBoardWithAccountsShown) {
    EXPECT_TRUE(bank->visible());
    EXPECT_FALSE(b->enabled());
    EXPECT_EQ(caption("stchot"), "0");
    EXPECT_EQ(caption("dolg"), "0");
    EXPECT_EQ(bank->findTimer("Timer1")->changeDriven, true);
}

TEST_F(BankTest, servesTheSeatTheBoardButtonsNameInTheirOrder) {
    onlyVisible({"kub1"});
    EXPECT_EQ(bank->seatOnTurn(), 1);
    onlyVisible({"kub2", "sled1"});
    EXPECT_EQ(bank->seatOnTurn(), 2);
    onlyVisible({"sled1", "sled2"});
    EXPECT_EQ(bank->seatOnTurn(), 1);
    onlyVisible({"sled2"});
    EXPECT_EQ(bank->seatOnTurn(), 2);
    onlyVisible({});
    EXPECT_EQ(bank->seatOnTurn(), 1);
}

TEST_F(BankTest, borrowsWhenNoOptionIsSelectedUpToADebtOf1000) {
    operate(0, "1000");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(bank->dl1, 1000);
    EXPECT_EQ(b->money1, 11000);
    EXPECT_EQ(b->find("mon1")->caption, "11000");
    EXPECT_EQ(caption("dolg"), "1000");
    EXPECT_EQ(bank->amount, 1000);
    operate(1, "1");
    expectOneBox("Нельзя брать взаймы больше 1000", 64);
    EXPECT_EQ(bank->dl1, 1000);
    EXPECT_EQ(b->money1, 11000);
}

TEST_F(BankTest, refusesBorrowingTooMuchBeforeTooLittle) {
    operate(1, "1001");
    expectOneBox("Нельзя брать взаймы больше 1000", 64);
    operate(1, "0");
    expectOneBox("Нельзя брать взаймы меньше 1", 64);
    operate(1, "-5");
    expectOneBox("Нельзя брать взаймы меньше 1", 64);
    // A debt raised past 1000 by interest refuses every borrow, even a huge one.
    bank->dl1 = 2147483000;
    operate(1, "1");
    expectOneBox("Нельзя брать взаймы больше 1000", 64);
    EXPECT_EQ(b->money1, 10000);
}

TEST_F(BankTest, depositsAtMostTheCash) {
    operate(2, "10000");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(bank->sth1, 10000);
    EXPECT_EQ(b->money1, 0);
    EXPECT_EQ(caption("stchot"), "10000");
    EXPECT_EQ(b->find("mon1")->caption, "0");
    operate(2, "1");
    expectOneBox("У вас нет столько денег", 64);
    operate(2, "0");
    expectOneBox("Нельзя класть под проценты меньше 1", 64);
    b->money1 = -50;
    operate(2, "1");
    expectOneBox("У вас нет столько денег", 64);
}

TEST_F(BankTest, withdrawsAtMostTheDepositAndNothingBelowOne) {
    bank->sth1 = 300;
    operate(3, "301");
    expectOneBox("У вас нет столько денег на счету", 64);
    operate(3, "0");
    expectOneBox("Нельзя забирать меньше 1", 64);
    operate(3, "-100");
    expectOneBox("Нельзя забирать меньше 1", 64);
    EXPECT_EQ(bank->sth1, 300);
    EXPECT_EQ(b->money1, 10000);
    operate(3, "300");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(bank->sth1, 0);
    EXPECT_EQ(b->money1, 10300);
    EXPECT_EQ(caption("stchot"), "0");
}

TEST_F(BankTest, repaysTestingTheCashBeforeTheDebtAndNothingBelowOne) {
    bank->dl1 = 500;
    operate(4, "20000");
    expectOneBox("У вас нет денег чтобы отдать долг!", 64);
    operate(4, "600");
    expectOneBox("У вас не такой большой долг!", 64);
    operate(4, "-100");
    expectOneBox("Нельзя отдавать меньше 1", 64);
    EXPECT_EQ(bank->dl1, 500);
    operate(4, "500");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(bank->dl1, 0);
    EXPECT_EQ(b->money1, 9500);
    EXPECT_EQ(caption("dolg"), "0");
}

TEST_F(BankTest, answersABadAmountWithEnterANumberWhateverTheOption) {
    for (int option : {0, 1, 2, 3, 4}) {
        for (const char* text : {"", "abc", "1e3", "99999999999"}) {
            operate(option, text);
            expectOneBox("Введите число!", 16);
        }
    }
    EXPECT_EQ(b->money1, 10000);
    EXPECT_EQ(bank->dl1, 0);
    EXPECT_EQ(bank->sth1, 0);
}

TEST_F(BankTest, roundsATypedFractionHalfToEven) {
    operate(1, "2.5");
    EXPECT_EQ(bank->dl1, 2);
    operate(1, "3,5");
    EXPECT_EQ(bank->dl1, 6);
}

TEST_F(BankTest, changesNothingWhenAResultWouldLeaveThe32BitRange) {
    b->money1 = 2147483000;
    operate(1, "1000");
    expectOneBox("Введите число!", 16);
    EXPECT_EQ(bank->dl1, 0);
    EXPECT_EQ(b->money1, 2147483000);
    bank->sth1 = 2147483000;
    b->money1 = 10000;
    operate(2, "1000");
    expectOneBox("Введите число!", 16);
    EXPECT_EQ(bank->sth1, 2147483000);
    EXPECT_EQ(b->money1, 10000);
    b->money1 = 2147483000;
    operate(3, "1000");
    expectOneBox("Введите число!", 16);
    EXPECT_EQ(bank->sth1, 2147483000);
    EXPECT_EQ(b->money1, 2147483000);
}

TEST_F(BankTest, servesSeatTwoWithItsOwnAccountsAndCash) {
    onlyVisible({"sled2"});
    bank->dl2 = 40;
    bank->sth2 = 70;
    h.game.refreshDerived();
    EXPECT_EQ(caption("dolg"), "40");
    EXPECT_EQ(caption("stchot"), "70");
    operate(1, "100");
    EXPECT_EQ(bank->dl2, 140);
    EXPECT_EQ(b->money2, 10100);
    EXPECT_EQ(b->find("mon2")->caption, "10100");
    EXPECT_EQ(bank->cash2, 10100);
    EXPECT_EQ(b->money1, 10000);
    EXPECT_EQ(bank->dl1, 0);
    // The labels follow the turn.
    onlyVisible({"kub1"});
    EXPECT_EQ(caption("dolg"), "0");
}

TEST_F(BankTest, exitKeepsTheContentsAndTheCloseBoxRestoresThemButNotTheAccounts) {
    operate(2, "250");
    h.game.click("bank", "Command2");
    EXPECT_FALSE(bank->visible());
    EXPECT_TRUE(b->enabled());
    h.game.click("torgal", "karta14");
    EXPECT_EQ(caption("mmon"), "250");
    EXPECT_TRUE(bank->find("Option2")->value);
    EXPECT_EQ(caption("stchot"), "250");

    h.game.close("bank");
    EXPECT_FALSE(bank->visible());
    EXPECT_FALSE(bank->loaded());
    EXPECT_TRUE(b->enabled());
    EXPECT_EQ(caption("mmon"), "");
    EXPECT_FALSE(bank->find("Option2")->value);
    EXPECT_EQ(caption("stchot"), "0");  // not refreshed while unloaded
    bank->sth1 = 999;                   // interest while closed
    h.game.refreshDerived();
    EXPECT_EQ(caption("stchot"), "0");

    h.game.click("torgal", "karta14");
    EXPECT_EQ(bank->sth1, 999);
    EXPECT_EQ(bank->amount, 250);
    EXPECT_EQ(caption("stchot"), "999");
    EXPECT_EQ(caption("mmon"), "");
}

TEST_F(BankTest, showsTheAccountsAsTheyStandBeforeABox) {
    // Labels are brought up to date before a box opens, as polling did.
    bank->dl1 = 77;
    std::string shownDebt;
    h.dialogs.whileOpen = [&](const Box&) { shownDebt = caption("dolg"); };
    operate(1, "");
    EXPECT_EQ(shownDebt, "77");
}

}  // namespace
