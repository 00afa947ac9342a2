// The computer's turn: forced sales and bankruptcy, roll and move, the
// squares, the delayed start bonus, its buying rule, rent and the hand-back.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "rules/deal_helpers.h"

using namespace testing_support;

namespace {

constexpr game::Colour kBlue = 0xFF0000;

class Computer : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;

    void SetUp() override {
        h.startGame("Аня", "Борис", "Компьютер", "Красный", "Синий");
        b = &h.game.torgal();
        // Player 1 has rolled and ends his turn.
        b->find("kub1")->visible = false;
        b->find("sled1")->visible = true;
    }
    // The computer's token stands one square before square s.
    void before(int square) { b->pos2 = static_cast<std::int16_t>(game::storedPosition(square - 2)); }
    void play(int die) {
        h.random.die(die);
        b->find("sled1")->visible = true;
        h.game.click("torgal", "sled1");
    }
    // The computer lands on share n with a roll of 1.
    void landOn(int n) {
        before(game::share(n).square);
        play(1);
    }
};

// ---- forced sales ----

TEST_F(Computer, cashJustBelowZeroSellsExactlyTheLowestShare) {
    give(*b, 10, 2);
    give(*b, 3, 2);
    b->money2 = -1;
    before(20);  // lands on share 15, owned by nobody, price 100
    play(1);
    EXPECT_EQ(b->owner[3], 0);
    EXPECT_EQ(b->ak(3).fillColor, game::kUnownedGrey);
    EXPECT_EQ(b->owner[10], 2);
    EXPECT_EQ(b->money2, -1 + 1500 - 100);
    EXPECT_EQ(b->owner[15], 2);
    EXPECT_EQ(ownershipFault(*b), "");
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Computer, sellingStopsAtExactlyMinusFiveHundred) {
    give(*b, 9, 2);   // sells for 500
    give(*b, 10, 2);
    b->money2 = -1000;
    before(12);  // lands on the police square
    b->msgoff = 1;
    play(1);
    EXPECT_EQ(b->owner[9], 0);
    EXPECT_EQ(b->owner[10], 2);
    EXPECT_EQ(b->money2, -500);
    EXPECT_EQ(b->find("mon2")->caption, "-500");
    EXPECT_EQ(ownershipFault(*b), "");
}

TEST_F(Computer, keepsSellingWhileBelowMinusFiveHundred) {
    give(*b, 4, 2);
    give(*b, 7, 2);
    give(*b, 20, 2);
    b->money2 = -800;  // +50 -> -750, +250 -> -500
    b->msgoff = 1;
    before(12);
    play(1);
    EXPECT_EQ(b->owner[4], 0);
    EXPECT_EQ(b->owner[7], 0);
    EXPECT_EQ(b->owner[20], 2);
    EXPECT_EQ(b->money2, -500);
    EXPECT_EQ(b->income2, 20);
}

TEST_F(Computer, zeroCashSellsNothing) {
    give(*b, 4, 2);
    b->money2 = 0;
    b->msgoff = 1;
    before(12);
    play(1);
    EXPECT_EQ(b->owner[4], 2);
}

TEST_F(Computer, negativeCashWithoutSharesIsBankruptBeforeRolling) {
    b->money2 = -1;
    h.game.click("torgal", "sled1");
    ASSERT_EQ(h.dialogs.boxes.size(), 2u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Второй игрок проиграл!");
    EXPECT_EQ(h.dialogs.boxes[0].style, 16);
    EXPECT_EQ(h.dialogs.boxes[1].text, "Первый игрок победил!");
    EXPECT_EQ(h.dialogs.boxes[1].style, 48);
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(h.random.reseeds, 0);
}

TEST_F(Computer, bankruptAfterSellingItsLastShare) {
    give(*b, 4, 2);
    b->money2 = -5000;
    b->msgoff = 1;  // the pair is shown whatever the switch says
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->owner[4], 0);
    EXPECT_EQ(b->money2, -4950);
    EXPECT_EQ(h.dialogs.boxes.size(), 2u);
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(b->find("mon2")->caption, "10000") << "labels wait for a hand-back that never comes";
}

// ---- roll, move and squares ----

TEST_F(Computer, rollShowsItsDieFaceAndMovesTheToken) {
    play(4);
    EXPECT_EQ(b->cpudie, 4);
    EXPECT_EQ(h.random.reseeds, 1);
    for (int v = 1; v <= 6; ++v) EXPECT_EQ(b->ku(v).visible, v == 4);
    EXPECT_EQ(b->pos2, 4);
    EXPECT_EQ(b->fish(2).left, game::tokenLeft(2, 5));
    EXPECT_EQ(b->fish(2).top, game::tokenTop(2, 5));
    EXPECT_EQ(b->curshare, 4);
    EXPECT_EQ(b->curprice, 100);
    EXPECT_EQ(b->curincome, 10);
    EXPECT_TRUE(b->find("sled2")->visible);
}

TEST_F(Computer, policeSquareJailsItWithAnOptionalBox) {
    before(12);
    play(1);
    EXPECT_EQ(b->jail2, 1);
    EXPECT_EQ(b->curshare, 0);
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Его посадили за решётку!");
    EXPECT_EQ(h.dialogs.boxes[0].title, "Милиция");
    EXPECT_EQ(h.dialogs.boxes[0].style, 64);
    b->jail2 = 0;
    b->msgoff = 1;
    before(12);
    play(1);
    EXPECT_EQ(b->jail2, 1);
    EXPECT_EQ(h.dialogs.boxes.size(), 1u);
}

TEST_F(Computer, taxSquareReachedFromTheLeftColumnChargesItsIncome) {
    give(*b, 4, 2);
    give(*b, 24, 2);
    b->pos2 = -6;
    play(1);
    EXPECT_EQ(b->pos2, -5);
    EXPECT_EQ(b->money2, 10000 - 410);
    EXPECT_EQ(b->find("mon2")->caption, "9590");
    EXPECT_TRUE(h.dialogs.boxes.empty());
    b->pos2 = 25;
    play(2);
    EXPECT_EQ(b->pos2, -5);
    EXPECT_EQ(b->money2, 10000 - 820);
}

TEST_F(Computer, specialSquaresGiveItNothing) {
    b->curshare = 7;
    for (int square : {8, 14, 22, 30, 1}) {
        before(square);
        play(1);
        EXPECT_EQ(b->curshare, 0) << square;
        EXPECT_EQ(b->money2, 10000) << square;
        EXPECT_TRUE(b->find("sled2")->visible) << square;
        EXPECT_EQ(b->marketmode, 0);
    }
    EXPECT_EQ(b->pos2, 0);
    EXPECT_EQ(b->fish(2).left, 480);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Computer, rouletteSquareLeavesItsEndOfTurnButtonAsItWas) {
    b->find("sled2")->visible = false;
    before(17);
    play(1);
    EXPECT_FALSE(b->find("sled2")->visible);
    EXPECT_EQ(b->pos2, 16);
    EXPECT_TRUE(b->find("kub1")->visible);
}

TEST_F(Computer, startBonusWaitsForALandingOnAShareSquare) {
    give(*b, 1, 2);  // income 200
    b->pos2 = -3;
    b->lap2 = 29;
    play(3);  // to the start corner: lap 32, no bonus there
    EXPECT_EQ(b->pos2, 0);
    EXPECT_EQ(b->lap2, 32);
    EXPECT_EQ(b->money2, 10000);
    play(1);  // its own share 1
    EXPECT_EQ(b->money2, 10400);
    EXPECT_EQ(b->lap2, 1);
}

TEST_F(Computer, startBonusSetsTheLapToTheStoredPosition) {
    give(*b, 24, 2);
    b->pos2 = 25;
    b->lap2 = 30;
    play(6);  // karta32, its own share, stored -1
    EXPECT_EQ(b->pos2, -1);
    EXPECT_EQ(b->lap2, -1);
    EXPECT_EQ(b->money2, 10000 + 200 + 400);
}

TEST_F(Computer, startBonusCountsTowardsAPurchase) {
    b->money2 = 1900;
    b->pos2 = -1;
    b->lap2 = 31;
    play(2);  // share 1, price 2000
    EXPECT_EQ(b->owner[1], 2);
    EXPECT_EQ(b->money2, 100);
}

// ---- buying ----

TEST_F(Computer, buysAFreeShareWithCashEqualToItsPrice) {
    b->money2 = 2000;
    landOn(1);
    EXPECT_EQ(b->owner[1], 2);
    EXPECT_EQ(b->money2, 0);
    EXPECT_EQ(b->food2, 1);
    EXPECT_EQ(b->income2, 200);
    EXPECT_EQ(b->ak(1).fillColor, kBlue);
    EXPECT_EQ(b->find("mon2")->caption, "0");
    EXPECT_EQ(b->find("dochak2")->caption, "200");
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Computer, skipsAFreeShareOneAboveItsCash) {
    b->money2 = 1999;
    landOn(1);
    EXPECT_EQ(b->owner[1], 0);
    EXPECT_EQ(b->money2, 1999);
    EXPECT_EQ(b->ak(1).fillColor, game::kUnownedGrey);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Computer, ownShareChangesNothing) {
    give(*b, 5, 2);
    landOn(5);
    EXPECT_EQ(b->money2, 10000);
    EXPECT_EQ(b->money1, 10000);
    EXPECT_EQ(b->income2, 150);
}

// ---- rent (the rent step shared with the person's turn) ----

class ComputerRent : public Computer {
protected:
    // The rent the computer pays on share n of player 1.
    int rentOn(int n) {
        b->msgoff = 1;
        const int before2 = b->money2, before1 = b->money1;
        landOn(n);
        EXPECT_EQ(b->money1 - before1, before2 - b->money2) << "the payer loses what the receiver gains";
        return before2 - b->money2;
    }
};

TEST_F(ComputerRent, halfTheIncomeWithoutAFullGroup) {
    give(*b, 24, 1);  // transport full has no rent case of its own
    EXPECT_EQ(rentOn(24), 200);
}

TEST_F(ComputerRent, eachFullGroupOfPlayerOneRaisesItsOwnShares) {
    giveGroup(*b, game::Group::Food, 1);
    EXPECT_EQ(rentOn(5), 225);
    giveGroup(*b, game::Group::Shops, 1);
    EXPECT_EQ(rentOn(4), 20);
    EXPECT_EQ(rentOn(3), 450);
    giveGroup(*b, game::Group::Bazaars, 1);
    EXPECT_EQ(rentOn(13), 150);
    give(*b, 19, 1);
    EXPECT_EQ(rentOn(19), 250) << "heavy not yet full";
    giveGroup(*b, game::Group::Heavy, 1);
    EXPECT_EQ(rentOn(19), 750);
}

TEST_F(ComputerRent, everyShareCostsFiveTimesWhenPlayerOneOwnsThemAll) {
    giveAll(*b, 1);
    EXPECT_EQ(rentOn(24), 2000);
    EXPECT_EQ(rentOn(15), 50);
}

TEST_F(ComputerRent, rentMayLeaveItInDebtAndRefreshesBothLabels) {
    giveGroup(*b, game::Group::Heavy, 1);
    b->money2 = 100;
    b->find("kup2")->visible = true;
    landOn(19);
    EXPECT_EQ(b->money2, -650);
    EXPECT_EQ(b->money1, 10750);
    EXPECT_FALSE(b->find("kup2")->visible);
    EXPECT_EQ(b->find("mon1")->caption, "10750");
    EXPECT_EQ(b->find("mon2")->caption, "-650");
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Его оштрафовали!");
    EXPECT_EQ(h.dialogs.boxes[0].title, "Чужая земля");
    EXPECT_EQ(h.dialogs.boxes[0].style, 64);
}

}  // namespace
