// The win check with its offer to play on, surrender, exit, the close box,
// the messages switch and the police square.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "rules/deal_helpers.h"

using namespace testing_support;

namespace {

class Commands : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;

    void SetUp() override {
        h.startGame("Аня", "Борис", "Человек", "Красный", "Синий");
        b = &h.game.torgal();
    }
    void tick() { h.game.tick("torgal", "Timer2"); }
    void expectBox(std::size_t i, const std::string& text, const std::string& title, int style) {
        ASSERT_LT(i, h.dialogs.boxes.size());
        EXPECT_EQ(h.dialogs.boxes[i].text, text);
        EXPECT_EQ(h.dialogs.boxes[i].title, title);
        EXPECT_EQ(h.dialogs.boxes[i].style, style);
    }
};

TEST_F(Commands, winCheckIsQuietUntilOneSeatOwnsEveryShare) {
    for (int n = 1; n < game::kShareCount; ++n) give(*b, n, 1);
    give(*b, 24, 2);
    tick();
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(Commands, captureFollowedByYesIsNeverAnnouncedAgain) {
    giveAll(*b, 1);
    h.dialogs.answers.push_back(game::Answer::Yes);
    tick();
    ASSERT_EQ(h.dialogs.boxes.size(), 2u);
    expectBox(0, "Игрок 1 захватил Медноярск!", "Победа", 64);
    expectBox(1, "Желаете ли вы продолжать играть?", "Победа", 4);
    EXPECT_FALSE(b->findTimer("Timer2")->enabled);
    tick();
    // Even a later capture by the other seat stays unannounced.
    for (int n = 1; n <= game::kShareCount; ++n) b->owner[static_cast<std::size_t>(n)] = 0;
    for (game::Group g : {game::Group::Food, game::Group::Shops, game::Group::Bazaars, game::Group::Heavy,
                          game::Group::Transport})
        b->counter(1, g) = 0;
    giveAll(*b, 2);
    tick();
    EXPECT_EQ(h.dialogs.boxes.size(), 2u);
    EXPECT_FALSE(h.game.ended());
}

TEST_F(Commands, captureFollowedByNoShowsTheCapturePairAndEnds) {
    giveAll(*b, 1);
    h.dialogs.answers.push_back(game::Answer::No);
    tick();
    ASSERT_EQ(h.dialogs.boxes.size(), 4u);
    expectBox(2, "Первый игрок победил!", "Победа", 16);
    expectBox(3, "Второй игрок проиграл!", "Поражение", 48);
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(h.end.ends, 1);
    EXPECT_FALSE(h.game.click("torgal", "kub1")) << "nothing runs after the end";
}

TEST_F(Commands, captureBySeatTwoNamesItsOwnPair) {
    giveAll(*b, 2);
    h.dialogs.answers.push_back(game::Answer::No);
    tick();
    ASSERT_EQ(h.dialogs.boxes.size(), 4u);
    expectBox(0, "Игрок 2 захватил Медноярск!", "Победа", 64);
    expectBox(2, "Второй игрок победил!", "Победа", 16);
    expectBox(3, "Первый игрок проиграл!", "Поражение", 48);
    EXPECT_TRUE(h.game.ended());
}

TEST_F(Commands, ticksWhileTheWinChecksBoxesAreOpenAreHeldBack) {
    giveAll(*b, 1);
    // The timer keeps ticking while the modal boxes wait for the player.
    h.dialogs.whileOpen = [this](const Box&) { tick(); };
    h.dialogs.answers.push_back(game::Answer::Yes);
    tick();
    EXPECT_EQ(h.dialogs.boxes.size(), 2u) << "one capture, one announcement";
    EXPECT_FALSE(h.game.ended()) << "no stacked question could end the game";
    EXPECT_TRUE(h.dialogs.answers.empty());
}

TEST_F(Commands, endingWhileTheWinCheckWaitsUnwindsIt) {
    giveAll(*b, 2);
    h.dialogs.answers.push_back(game::Answer::No);
    // The player closes the board while the question is open.
    h.dialogs.whileOpen = [this](const Box& box) {
        if (box.style == 4) h.game.close("torgal");
    };
    tick();
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(h.dialogs.boxes.size(), 2u) << "no capture pair after the program ended";
    EXPECT_EQ(h.end.ends, 1);
}

TEST_F(Commands, surrenderNamesTheLoserFirst) {
    h.game.click("torgal", "close2");
    ASSERT_EQ(h.dialogs.boxes.size(), 2u);
    expectBox(0, "Второй игрок проиграл!", "Поражение", 16);
    expectBox(1, "Первый игрок победил!", "Победа", 48);
    EXPECT_TRUE(h.game.ended());
}

TEST_F(Commands, surrenderOfSeatOne) {
    h.game.click("torgal", "close1");
    ASSERT_EQ(h.dialogs.boxes.size(), 2u);
    expectBox(0, "Первый игрок проиграл!", "Поражение", 16);
    expectBox(1, "Второй игрок победил!", "Победа", 48);
    EXPECT_TRUE(h.game.ended());
}

TEST_F(Commands, exitAndCloseBoxEndWithoutAWord) {
    h.game.menu("exit");
    EXPECT_TRUE(h.game.ended());
    EXPECT_TRUE(h.dialogs.boxes.empty());
    Harness other;
    other.startGame();
    other.game.close("torgal");
    EXPECT_TRUE(other.game.ended());
    EXPECT_TRUE(other.dialogs.boxes.empty());
}

TEST_F(Commands, messagesSwitchTogglesWithItsCheckMark) {
    EXPECT_TRUE(b->find("wso")->value);
    h.game.menu("wso");
    EXPECT_EQ(b->msgoff, 1);
    EXPECT_FALSE(b->find("wso")->value);
    h.game.menu("wso");
    EXPECT_EQ(b->msgoff, 0);
    EXPECT_TRUE(b->find("wso")->value);
}

TEST_F(Commands, policeSquareFreesBothPlayers) {
    b->jail1 = 1;
    b->jail2 = 1;
    h.game.click("torgal", "karta12");
    EXPECT_EQ(b->jail1, 0);
    EXPECT_EQ(b->jail2, 0);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

}  // namespace
