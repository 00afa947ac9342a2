// The end of a turn: who rolls next, what is cleared, and the lost-turn rule
// with its deliberate quirks.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "game/ruletka.h"
#include "rules/deal_helpers.h"

using namespace testing_support;

namespace {

constexpr game::Colour kRed = 0xFF, kBlue = 0xFF0000;

class EndTurn : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;

    void begin(const std::string& kind) {
        h.startGame("Аня", "Борис", kind, "Красный", "Синий");
        b = &h.game.torgal();
    }
    // Player `seat` has rolled: his buttons stand as after a landing.
    void acting(int seat) {
        for (const char* name : {"kub1", "kub2", "sled1", "sled2", "kup1", "kup2", "prod1", "prod2", "rul1", "rul2"})
            b->find(name)->visible = false;
        b->seatControl("sled", seat).visible = true;
        b->seatControl("kup", seat).visible = true;
        b->seatControl("prod", seat).visible = true;
        b->seatControl("rul", seat).visible = true;
        if (seat == 1 && b->kind2 == 2) b->find("wikup1")->visible = true;
    }
    void expectTurnShownFor(int seat) {
        EXPECT_EQ(b->find("ktohod")->caption, b->find(seat == 1 ? "Label3" : "Label4")->caption);
        EXPECT_EQ(b->find("ktohod")->foreColor, seat == 1 ? kRed : kBlue);
    }
    bool vis(const char* name) { return visible(*b, name); }
};

TEST_F(EndTurn, handsTheDieToASecondPersonAndRefreshesHisLabels) {
    begin("Человек");
    acting(1);
    b->sellmode = 1;
    b->marketmode = 1;
    b->buyoutmode = 1;
    b->money2 = 777;
    b->income2 = 30;
    h.game.click("torgal", "sled1");
    EXPECT_TRUE(vis("kub2"));
    for (const char* name : {"kub1", "sled1", "kup1", "prod1", "rul1", "wikup1"}) EXPECT_FALSE(vis(name)) << name;
    expectTurnShownFor(2);
    EXPECT_EQ(b->sellmode, 0);
    EXPECT_EQ(b->marketmode, 0);
    EXPECT_EQ(b->buyoutmode, 1) << "the buy-out mode outlives the turn";
    EXPECT_EQ(b->find("mon2")->caption, "777");
    EXPECT_EQ(b->find("dochak2")->caption, "30");
    ASSERT_NE(h.game.existing("ruletka"), nullptr) << "hiding the roulette window creates it";
    EXPECT_FALSE(h.game.existing("ruletka")->visible());
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(EndTurn, secondPlayersEndOfTurnGivesTheDieBack) {
    begin("Человек");
    acting(2);
    b->sellmode = 2;
    b->marketmode = 2;
    h.game.click("torgal", "sled2");
    EXPECT_TRUE(vis("kub1"));
    for (const char* name : {"kub2", "sled2", "kup2", "prod2", "rul2"}) EXPECT_FALSE(vis(name)) << name;
    expectTurnShownFor(1);
    EXPECT_EQ(b->sellmode, 0);
    EXPECT_EQ(b->marketmode, 0);
}

TEST_F(EndTurn, jailedSecondPlayerIsSkippedWithoutRefreshingHisLabels) {
    begin("Человек");
    acting(1);
    b->jail2 = 1;
    b->money2 = 1234;
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->jail2, 0);
    EXPECT_TRUE(vis("kub1"));
    EXPECT_FALSE(vis("kub2"));
    EXPECT_FALSE(vis("sled1"));
    expectTurnShownFor(1);
    EXPECT_EQ(b->find("mon2")->caption, "10000");
}

TEST_F(EndTurn, jailedFirstPlayerLeavesHisButtonsAndLetsTheSecondPlay) {
    begin("Человек");
    acting(1);
    b->jail1 = 1;
    b->jail2 = 1;
    h.game.click("torgal", "sled1");
    EXPECT_TRUE(vis("kub2"));
    EXPECT_TRUE(vis("sled1")) << "nothing of player 1 is hidden but prod1 and wikup1";
    EXPECT_TRUE(vis("kup1"));
    EXPECT_TRUE(vis("rul1"));
    EXPECT_FALSE(vis("prod1"));
    EXPECT_EQ(b->jail1, 1);
    EXPECT_EQ(b->jail2, 1) << "jail2 is not looked at while player 1 is jailed";
    expectTurnShownFor(2);
    EXPECT_EQ(h.game.existing("ruletka"), nullptr) << "the roulette window is not touched";
}

TEST_F(EndTurn, firstPlayersEndOfTurnCoversTheSecondsWhileHeIsJailed) {
    begin("Человек");
    acting(1);
    b->jail1 = 1;
    h.game.click("torgal", "sled1");
    // Player 2 rolls; his landing shows sled2, which lies under sled1.
    b->find("kub2")->visible = false;
    b->find("sled2")->visible = true;
    b->sellmode = 2;
    b->marketmode = 2;
    EXPECT_TRUE(b->coveredAtCentre(*b->find("sled2")));
    h.game.click("torgal", "sled1");
    EXPECT_TRUE(vis("kub2")) << "player 2 rolls again";
    EXPECT_EQ(b->sellmode, 0);
    EXPECT_EQ(b->marketmode, 0);
    EXPECT_EQ(b->jail1, 1);
    // The police square frees him; the next sled1 hides itself.
    h.game.click("torgal", "karta12");
    EXPECT_EQ(b->jail1, 0);
    h.game.click("torgal", "sled1");
    EXPECT_FALSE(vis("sled1"));
    EXPECT_TRUE(vis("kub2"));
}

TEST_F(EndTurn, jailedFirstPlayerLosesHisTurnToASecondPerson) {
    begin("Человек");
    b->jail1 = 1;
    acting(2);
    h.game.click("torgal", "sled2");
    EXPECT_EQ(b->jail1, 0);
    EXPECT_TRUE(vis("kub2"));
    EXPECT_FALSE(vis("kub1"));
    EXPECT_FALSE(vis("sled2"));
    expectTurnShownFor(2);
}

TEST_F(EndTurn, noKindInSeatTwoHandsOverButPlaysTheComputerWhenPlayerOneIsJailed) {
    begin("Человек");
    b->kind2 = 0;
    acting(1);
    h.game.click("torgal", "sled1");
    EXPECT_TRUE(vis("kub2"));
    EXPECT_EQ(h.random.reseeds, 0);

    acting(1);
    b->jail1 = 1;
    h.random.die(2);  // karta3, share 2: the computer buys it
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->cpudie, 2);
    EXPECT_EQ(b->owner[2], 2);
    EXPECT_EQ(b->jail1, 0);
    EXPECT_TRUE(vis("sled1"));
    EXPECT_FALSE(vis("kub1"));
}

TEST_F(EndTurn, againstTheComputerEndOfTurnPlaysItsWholeTurn) {
    begin("Компьютер");
    acting(1);
    h.random.die(3);
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->pos2, 3);
    EXPECT_EQ(b->owner[3], 2);
    EXPECT_TRUE(vis("kub1"));
    EXPECT_TRUE(vis("sled2"));
    for (const char* name : {"sled1", "kup1", "prod1", "rul1", "wikup1"}) EXPECT_FALSE(vis(name)) << name;
    expectTurnShownFor(1);
    EXPECT_EQ(b->find("mon2")->caption, "7000");
    EXPECT_EQ(b->find("dochak2")->caption, "300");
}

TEST_F(EndTurn, jailedPlayerOneNeedsTwoPressesAgainstTheComputer) {
    begin("Компьютер");
    acting(1);
    b->jail1 = 1;
    h.random.die(1);
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->pos2, 1);
    EXPECT_EQ(b->jail1, 0);
    EXPECT_FALSE(vis("kub1"));
    EXPECT_TRUE(vis("sled1"));
    expectTurnShownFor(2);
    EXPECT_EQ(b->find("mon2")->caption, "8000") << "the hand-back refreshes the computer's labels";

    h.random.die(1);
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->pos2, 2);
    EXPECT_TRUE(vis("kub1"));
    EXPECT_FALSE(vis("sled1"));
    expectTurnShownFor(1);
}

TEST_F(EndTurn, jailedComputerIsSkippedByPlayerOnesNextEndOfTurn) {
    begin("Компьютер");
    acting(1);
    b->jail2 = 1;
    h.game.click("torgal", "sled1");
    EXPECT_EQ(b->jail2, 0);
    EXPECT_EQ(b->pos2, 0);
    EXPECT_EQ(h.random.reseeds, 0) << "the computer did not roll";
    EXPECT_TRUE(vis("kub1"));
}

}  // namespace
