// A person's turn: the roll button, the squares, the random events, rent and
// the buy button.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "game/bank.h"
#include "game/board.h"
#include "game/ruletka.h"
#include "support/scripted_ports.h"

namespace {

using game::Board;
using testing_support::Box;
using testing_support::Harness;

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

// One game with the helpers the cases share.
struct Play {
    Harness h;
    Board& b() { return h.game.torgal(); }
    game::Bank& bank() { return h.game.bank(); }

    void start(const std::string& kind = "Человек") {
        h.startGame("Аня", "Борис", kind, "Красный", "Синий");
        h.dialogs.boxes.clear();
    }
    bool visible(const std::string& c) { return b().find(c)->visible; }
    std::string caption(const std::string& c) { return b().find(c)->caption; }

    // Rolls for a seat from a given stored position, the lap counter kept
    // away from the start bonus unless asked.
    void rollFrom(int seat, int from, int dieValue, int lap = 0) {
        b().pos(seat) = static_cast<std::int16_t>(from);
        b().lap(seat) = static_cast<std::int16_t>(lap);
        h.random.die(dieValue);
        h.game.click("torgal", seat == 1 ? "kub1" : "kub2");
    }

    // Share n as a purchase leaves it, labels untouched.
    void give(int n, int seat) {
        b().owner[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(seat);
        b().counter(seat, game::share(n).group)++;
        b().income(seat) = static_cast<std::int16_t>(b().income(seat) + game::share(n).income());
        b().ak(n).fillColor = b().fish(seat).fillColor;
    }
    void giveGroup(game::Group g, int seat) {
        for (int n = 1; n <= game::kShareCount; ++n)
            if (game::share(n).group == g) give(n, seat);
    }

    // The square kind behind a position -5..31.
    static game::SquareKind kindAt(int p) { return game::squareKind(game::squareOfPosition(p)); }
};

class Turn : public ::testing::Test, public Play {};

void expectBox(const Box& box, const std::string& text, const std::string& title, int style) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.style, style);
}

// ---------------------------------------------------------------- kub_Click

TEST_F(Turn, refusesToRollWithNegativeCashAndChargesNothing) {
    start();
    b().money1 = -1;
    bank().dl1 = 1000;
    bank().sth1 = 1000;
    h.game.click("torgal", "kub1");
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    expectBox(h.dialogs.boxes[0], "Прежде чем начать ход вам необходимо расплатиться с долгами!", "Нет денег", 16);
    EXPECT_TRUE(visible("close1"));
    EXPECT_TRUE(visible("prod1"));
    EXPECT_TRUE(visible("kub1"));
    EXPECT_EQ(bank().dl1, 1000);
    EXPECT_EQ(bank().sth1, 1000);
    EXPECT_EQ(h.random.reseeds, 0);
    EXPECT_EQ(b().pos1, 0);
}

TEST_F(Turn, rollsWithZeroCashAndHidesTheSurrenderButton) {
    start();
    b().money1 = 0;
    b().find("close1")->visible = true;
    rollFrom(1, 0, 4);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_FALSE(visible("close1"));
    EXPECT_EQ(b().pos1, 4);
}

TEST_F(Turn, interestRoundsEachBalanceToEven) {
    start();
    struct Case { std::int32_t dl, sth, dlAfter, sthAfter; };
    const Case cases[] = {{30, 25, 32, 26}, {10, 75, 10, 76}, {50, 0, 52, 0}, {0, 0, 0, 0}, {-30, -25, -32, -26}};
    for (const Case& c : cases) {
        bank().dl1 = c.dl;
        bank().sth1 = c.sth;
        bank().dl2 = 1000;
        rollFrom(1, 0, 4);
        EXPECT_EQ(bank().dl1, c.dlAfter) << c.dl;
        EXPECT_EQ(bank().sth1, c.sthAfter) << c.sth;
        EXPECT_EQ(bank().dl2, 1000) << "the other seat's accounts are untouched";
    }
}

TEST_F(Turn, firstRollCreatesTheBankWithEmptyAccounts) {
    start();
    ASSERT_EQ(h.game.existing("bank"), nullptr);
    rollFrom(1, 0, 4);
    ASSERT_NE(h.game.existing("bank"), nullptr);
    EXPECT_EQ(bank().dl1, 0);
    EXPECT_EQ(bank().sth1, 0);
    EXPECT_FALSE(bank().visible());
}

TEST_F(Turn, untouchedLoanIsWarnedAtThe33rdRollAndTakenAtThe34th) {
    start();
    b().msgoff = 1;
    bank().dl1 = 1000;
    for (int roll = 1; roll <= 32; ++roll) rollFrom(1, 0, 4);
    EXPECT_LE(bank().dl1, 5000);
    EXPECT_TRUE(h.dialogs.boxes.empty());
    rollFrom(1, 0, 4);
    EXPECT_EQ(bank().dl1, 5003);
    EXPECT_EQ(b().debtwarn1, 1);
    ASSERT_EQ(h.dialogs.boxes.size(), 1u) << "the warning ignores the messages switch";
    expectBox(h.dialogs.boxes[0], "У вас долг выше 5000! Немедленно верните деньги!", "Банк", 64);
    const std::int32_t before = b().money1;
    rollFrom(1, 0, 4);
    EXPECT_EQ(b().money1, before - 5253);
    EXPECT_EQ(caption("mon1"), std::to_string(before - 5253));
    EXPECT_EQ(bank().dl1, 0);
    EXPECT_EQ(b().debtwarn1, 0);
    EXPECT_EQ(h.dialogs.boxes.size(), 1u);
}

TEST_F(Turn, debtOfExactly5000IsNotWarned) {
    start();
    bank().dl1 = 4762;  // 5000.1 after interest
    rollFrom(1, 0, 4);
    EXPECT_EQ(bank().dl1, 5000);
    EXPECT_EQ(b().debtwarn1, 0);
    bank().dl1 = 4763;  // 5001.15 after interest
    rollFrom(1, 0, 4);
    EXPECT_EQ(bank().dl1, 5001);
    EXPECT_EQ(b().debtwarn1, 1);
}

TEST_F(Turn, forcedRepaymentMayLeaveCashNegativeAndTheNextRollIsRefused) {
    start();
    b().money1 = 1000;
    b().debtwarn1 = 1;
    bank().dl1 = 2000;
    rollFrom(1, 0, 4);
    EXPECT_EQ(b().money1, 1000 - 2100);
    EXPECT_EQ(bank().dl1, 0);
    h.dialogs.boxes.clear();
    h.game.click("torgal", "kub1");
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].title, "Нет денег");
}

TEST_F(Turn, buttonsBeforeTheRollAndTheDieFace) {
    start();
    for (const char* c : {"rul1", "kup1", "close1"}) b().find(c)->visible = true;
    h.game.ruletka().show();
    rollFrom(1, 0, 4);
    EXPECT_FALSE(visible("rul1"));
    EXPECT_FALSE(visible("kub1"));
    EXPECT_FALSE(visible("close1"));
    EXPECT_FALSE(h.game.ruletka().visible());
    EXPECT_TRUE(visible("kup1")) << "shown again by the free share";
    EXPECT_EQ(b().die, 4);
    for (int v = 1; v <= 6; ++v) EXPECT_EQ(b().ku(v).visible, v == 4) << v;
    EXPECT_EQ(h.random.reseeds, 1) << "reseeded before the draw";
}

TEST_F(Turn, buyOutButtonOnlyAgainstTheComputer) {
    start("Человек");
    rollFrom(1, 0, 4);
    EXPECT_FALSE(visible("wikup1"));
    rollFrom(2, 0, 4);
    EXPECT_FALSE(visible("wikup1"));
    b().kind2 = 2;
    rollFrom(2, 0, 4);
    EXPECT_FALSE(visible("wikup1")) << "seat 2 has no buy-out button";
    rollFrom(1, 0, 4);
    EXPECT_TRUE(visible("wikup1"));
}

TEST_F(Turn, secondSeatRollsWithItsOwnAccountsTokenAndButtons) {
    start();
    bank().dl2 = 30;
    bank().dl1 = 30;
    b().find("kub2")->visible = true;
    rollFrom(2, 0, 5);
    EXPECT_EQ(bank().dl2, 32);
    EXPECT_EQ(bank().dl1, 30);
    EXPECT_EQ(b().pos2, 5);
    EXPECT_EQ(b().pos1, 0);
    EXPECT_EQ(b().fish(2).left, game::tokenLeft(2, 6));
    EXPECT_EQ(b().fish(1).left, 150);
    EXPECT_FALSE(visible("kub2"));
    EXPECT_TRUE(visible("kup2"));
    EXPECT_TRUE(visible("sled2"));
    EXPECT_TRUE(visible("prod2"));
    EXPECT_FALSE(visible("sled1"));
}

// ---------------------------------------------------------------- the landing

TEST_F(Turn, everyPositionPlacesTheTokenAndLeavesItsButtons) {
    for (int p = -5; p <= 31; ++p) {
        Harness run;
        run.startGame();
        Board& bd = run.game.torgal();
        bd.msgoff = 1;
        bd.pos1 = static_cast<std::int16_t>(p - 1);  // p = 27 is reached as 27, -5 as -5
        run.random.die(1);
        run.random.queue(4, 20);  // an event square draws "+500"
        run.game.click("torgal", "kub1");
        const int square = game::squareOfPosition(p);
        SCOPED_TRACE("position " + std::to_string(p));
        EXPECT_EQ(bd.fish(1).left, game::tokenLeft(1, square));
        EXPECT_EQ(bd.fish(1).top, game::tokenTop(1, square));
        EXPECT_EQ(bd.pos1, game::storedPosition(p));
        EXPECT_TRUE(bd.find("sled1")->visible);
        bool kup = false, prod = false, rul = false;
        switch (kindAt(p)) {
        case game::SquareKind::Share: kup = prod = true; break;
        case game::SquareKind::Bank:
        case game::SquareKind::Tax: prod = true; break;
        case game::SquareKind::Roulette: rul = true; break;
        default: break;
        }
        EXPECT_EQ(bd.find("kup1")->visible, kup);
        EXPECT_EQ(bd.find("prod1")->visible, prod);
        EXPECT_EQ(bd.find("rul1")->visible, rul);
        EXPECT_EQ(bd.curshare, kindAt(p) == game::SquareKind::Share ? game::shareOfSquare(square) : 0);
    }
}

TEST_F(Turn, shareSquareRecordsTheShareUnderTheToken) {
    start();
    rollFrom(1, 25, 6);  // karta32
    EXPECT_EQ(b().pos1, -1);
    EXPECT_EQ(b().curshare, 24);
    EXPECT_EQ(b().curprice, 4000);
    EXPECT_EQ(b().curincome, 400);
}

TEST_F(Turn, bankSquarePaysAfterItsBoxWhateverTheSwitch) {
    start();
    b().msgoff = 1;
    std::int32_t cashDuringBox = 0;
    h.dialogs.whileOpen = [&](const Box&) { cashDuringBox = b().money1; };
    rollFrom(1, 10, 3);
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    expectBox(h.dialogs.boxes[0], "За посещение банка вам дали 200", "Удача", 48);
    EXPECT_EQ(cashDuringBox, 10000);
    EXPECT_EQ(b().money1, 10200);
    EXPECT_EQ(caption("mon1"), "10200");
    EXPECT_FALSE(bank().visible()) << "the bank opens only by a click on the square";
}

// ---------------------------------------------------------------- randomEvent

TEST_F(Turn, eventTwentyMovesCashFromTheRivalAfterItsBox) {
    start();
    b().msgoff = 1;
    b().money2 = 500;
    std::int32_t cash1 = 0, cash2 = 0;
    h.dialogs.whileOpen = [&](const Box&) {
        cash1 = b().money1;
        cash2 = b().money2;
    };
    b().pos1 = 6;
    h.random.die(1);
    h.random.queue(20, 20);
    h.game.click("torgal", "kub1");
    EXPECT_EQ(h.random.reseeds, 2) << "reseeded before the event too";
    EXPECT_EQ(b().eventno, 20);
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    expectBox(h.dialogs.boxes[0], "Ваш соперник решил поделиться с вами деньгами!", "Сообщение", 64);
    EXPECT_EQ(cash1, 10000);
    EXPECT_EQ(cash2, 500);
    EXPECT_EQ(b().money1, 11000);
    EXPECT_EQ(b().money2, -500);
    EXPECT_EQ(caption("mon1"), "11000");
    EXPECT_EQ(caption("mon2"), "-500");
    EXPECT_FALSE(visible("kup1"));
    EXPECT_FALSE(visible("prod1"));
}

// ---------------------------------------------------------------- rentStep

TEST_F(Turn, rentBoxComesBeforeTheLabelsAndTheBuyButton) {
    start();
    giveGroup(game::Group::Heavy, 2);
    b().money1 = 100;
    b().find("mon1")->caption = "100";
    std::string label1, label2;
    bool kupDuringBox = false;
    std::int32_t cashDuringBox = 0;
    h.dialogs.whileOpen = [&](const Box&) {
        label1 = caption("mon1");
        label2 = caption("mon2");
        kupDuringBox = visible("kup1");
        cashDuringBox = b().money1;
    };
    rollFrom(1, 22, 2);  // karta25, share 19
    EXPECT_EQ(cashDuringBox, -650);
    EXPECT_EQ(label1, "100");
    EXPECT_EQ(label2, "10000");
    EXPECT_TRUE(kupDuringBox);
    EXPECT_EQ(b().money1, -650);
    EXPECT_EQ(b().money2, 10750);
    EXPECT_EQ(caption("mon1"), "-650");
    EXPECT_EQ(caption("mon2"), "10750");
}

TEST_F(Turn, secondSeatPaysTheFirstAndTheComputerHasItsOwnText) {
    start();
    give(5, 1);
    rollFrom(2, 0, 5);
    EXPECT_EQ(b().money2, 9925);
    EXPECT_EQ(b().money1, 10075);
    EXPECT_FALSE(visible("kup2"));

    h.dialogs.boxes.clear();
    b().find("kup2")->visible = true;
    b().rentStep(2, "Его оштрафовали!");
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    expectBox(h.dialogs.boxes[0], "Его оштрафовали!", "Чужая земля", 64);
    EXPECT_EQ(b().money2, 9850);
    EXPECT_FALSE(visible("kup2"));
}

TEST_F(Turn, noRentOnAFreeShareOrWithoutAShare) {
    start();
    giveGroup(game::Group::Food, 2);  // full groups do not matter for a free share
    rollFrom(1, 2, 2);               // karta5, share 4, free
    EXPECT_EQ(b().money1, 10000);
    EXPECT_TRUE(visible("kup1"));
    b().curshare = 0;
    b().rentStep(1, "Вас оштрафовали!");
    EXPECT_EQ(b().money1, 10000);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

// ---------------------------------------------------------------- kup_Click

TEST_F(Turn, buyButtonNeverTakesTheRivalsShareOrANonShare) {
    start();
    give(4, 2);
    b().curshare = 4;
    b().curprice = 100;
    b().curincome = 10;
    h.game.click("torgal", "kup1");
    EXPECT_EQ(b().owner[4], 2);
    EXPECT_EQ(b().shops1, 0);
    EXPECT_EQ(b().money1, 10000);
    b().curshare = 0;
    h.game.click("torgal", "kup1");
    EXPECT_EQ(b().money1, 10000);
}

// ---------------------------------------------------------------- 32-bit cash

// Cash and accounts are 32-bit; an untouched deposit compounds past 2^31
// within a few hundred rolls. Every sum saturates instead of wrapping.
TEST_F(Turn, balancesSaturateInsteadOfWrapping) {
    start();
    b().msgoff = 1;
    bank().sth1 = 10000000;
    std::int32_t last = bank().sth1;
    for (int roll = 0; roll < 400; ++roll) {
        rollFrom(1, 0, 4);
        ASSERT_GE(bank().sth1, last) << "roll " << roll;
        last = bank().sth1;
    }
    EXPECT_EQ(bank().sth1, kMax32);

    bank().dl1 = kMax32 - 10;
    rollFrom(1, 0, 4);
    EXPECT_EQ(bank().dl1, kMax32);
    bank().dl1 = 0;
    b().debtwarn1 = 0;

    b().money1 = kMax32 - 100;
    b().income1 = 300;
    rollFrom(1, -1, 1, 32767);  // the lap counter stays at its top and pays
    EXPECT_EQ(b().money1, kMax32);

    b().money1 = 0;
    b().debtwarn1 = 1;
    bank().dl1 = kMax32;
    rollFrom(1, 0, 4);
    EXPECT_EQ(b().money1, -kMax32);

    give(5, 2);
    b().curshare = 5;
    b().curincome = 150;
    b().money1 = kMin32 + 10;
    b().money2 = kMax32 - 50;
    b().rentStep(1, "Вас оштрафовали!");
    EXPECT_EQ(b().money1, kMin32);
    EXPECT_EQ(b().money2, kMax32);
}

}  // namespace
