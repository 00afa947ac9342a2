// The roulette: the order of its refusals, the draw, the stake taken before
// the result, the payout by level, and what a play leaves on the board.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "game/ruletka.h"
#include "support/scripted_ports.h"

using namespace testing_support;

namespace {

class RuletkaTest : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;
    game::Ruletka* r = nullptr;

    void SetUp() override { h.startGame(); }
    // Seat's roulette button shown, as a landing on the roulette square leaves it, and pressed.
    void open(int seat) {
        b = &h.game.torgal();
        for (const char* n : {"kub1", "kub2", "sled1", "sled2"}) b->find(n)->visible = false;
        b->seatControl("sled", seat).visible = true;
        b->seatControl("rul", seat).visible = true;
        h.game.click("torgal", seat == 1 ? "rul1" : "rul2");
        r = &h.game.ruletka();
    }
    void fill(const std::string& level, const std::string& guess, const std::string& stake) {
        h.chooseItem("ruletka", "urowen", level);
        h.game.type("ruletka", "zagchis", guess);
        h.game.type("ruletka", "stawka", stake);
    }
    void ok() { h.game.click("ruletka", "Command1"); }
    void expectOneBox(const std::string& text, const std::string& title, int style) {
        ASSERT_EQ(h.dialogs.boxes.size(), 1u);
        EXPECT_EQ(h.dialogs.boxes[0].text, text);
        EXPECT_EQ(h.dialogs.boxes[0].title, title);
        EXPECT_EQ(h.dialogs.boxes[0].style, style);
        h.dialogs.boxes.clear();
    }
    void setCash(int seat, std::int32_t v) {
        b->money(seat) = v;
        b->showMoney(seat);
    }
};

TEST_F(RuletkaTest, asksForLevelThenGuessThenStake) {
    open(1);
    EXPECT_FALSE(b->enabled());
    ok();
    expectOneBox("Выберите уровень сложности!", "Ошибка", 64);
    h.chooseItem("ruletka", "urowen", "Лёгкий");
    ok();
    expectOneBox("Загадайте число!", "Ошибка", 64);
    h.game.type("ruletka", "zagchis", "2");
    ok();
    expectOneBox("Сделайте ставку!", "Ошибка", 64);
    EXPECT_TRUE(r->visible());
    EXPECT_FALSE(b->enabled());
}

TEST_F(RuletkaTest, acceptsAStakeOfTheWholeCashButNotMore) {
    open(1);
    setCash(1, 1000);
    fill("Лёгкий", "2", "1001");
    ok();
    expectOneBox("У вас нет столько денег!", "Ошибка", 64);
    h.game.type("ruletka", "stawka", "1000");
    h.random.queue(1, 3);
    ok();
    expectOneBox("Вы проиграли!", "Поражение", 48);
    EXPECT_EQ(b->money1, 0);
}

TEST_F(RuletkaTest, refusesStakesBelowOneAndAnyStakeOnNegativeCash) {
    open(1);
    setCash(1, -20);
    fill("Лёгкий", "2", "1");
    ok();
    expectOneBox("У вас нет столько денег!", "Ошибка", 64);
    h.game.type("ruletka", "stawka", "-30");
    ok();
    expectOneBox("Нельзя ставить денег меньше 1!", "Ошибка", 64);
    setCash(1, 500);
    h.game.type("ruletka", "stawka", "0");
    ok();
    expectOneBox("Нельзя ставить денег меньше 1!", "Ошибка", 64);
    EXPECT_EQ(b->money1, 500);
}

TEST_F(RuletkaTest, paysThreeOrFiveTimesTheStakeByLevel) {
    struct Case { const char* level; int n, drawn, guess; std::int32_t after; const char* box; };
    for (const Case& c : {Case{"Лёгкий", 3, 2, 2, 1200, "Вы выиграли!"}, Case{"Лёгкий", 3, 3, 2, 900, "Вы проиграли!"},
                          Case{"Сложный", 5, 5, 5, 1400, "Вы выиграли!"}, Case{"Сложный", 5, 1, 5, 900, "Вы проиграли!"}}) {
        open(1);
        setCash(1, 1000);
        fill(c.level, std::to_string(c.guess), "100");
        h.random.queue(c.drawn, c.n);
        ok();
        expectOneBox(c.box, c.after > 1000 ? "Победа" : "Поражение", 48);
        EXPECT_EQ(b->money1, c.after) << c.level;
        EXPECT_EQ(b->find("mon1")->caption, std::to_string(c.after));
        EXPECT_EQ(r->drawn, c.drawn);
        EXPECT_EQ(r->guess, c.guess);
        EXPECT_EQ(r->stake, 100);
    }
}

TEST_F(RuletkaTest, drawsBeforeRefusingAGuessOutOfRange) {
    open(1);
    fill("Лёгкий", "4", "100");
    h.random.queue(1, 3);
    ok();
    expectOneBox("Число может быть только от 1 до 3!", "Ошибка", 64);
    EXPECT_TRUE(h.random.values.empty());
    EXPECT_EQ(b->money1, 10000);
    h.chooseItem("ruletka", "urowen", "Сложный");
    for (const char* g : {"0", "6"}) {
        h.game.type("ruletka", "zagchis", g);
        h.random.queue(3, 5);
        ok();
        expectOneBox("Число может быть только от 1 до 5!", "Ошибка", 64);
        EXPECT_TRUE(h.random.values.empty());
    }
    EXPECT_EQ(b->money1, 10000);
    EXPECT_TRUE(b->find("rul1")->visible);
}

TEST_F(RuletkaTest, answersTextsThatAreNoNumberWithAProgramError) {
    open(1);
    fill("Лёгкий", "2", "сто");
    ok();
    expectOneBox("Ошибка в программе!", "Ошибка", 64);
    h.game.type("ruletka", "stawka", "99999999999");
    ok();
    expectOneBox("Ошибка в программе!", "Ошибка", 64);
    // The guess is read after the stake tests, and as a 16-bit number.
    h.game.type("ruletka", "stawka", "100");
    h.game.type("ruletka", "zagchis", "40000");
    ok();
    expectOneBox("Ошибка в программе!", "Ошибка", 64);
    h.game.type("ruletka", "zagchis", "x");
    ok();
    expectOneBox("Ошибка в программе!", "Ошибка", 64);
    EXPECT_EQ(b->money1, 10000);
    EXPECT_TRUE(r->visible());
}

TEST_F(RuletkaTest, refusesAPlayWhoseWinWouldOverflowBeforeTakingTheStake) {
    open(1);
    setCash(1, 2147483000);
    fill("Сложный", "3", "1000");
    h.random.queue(3, 5);
    ok();
    expectOneBox("Ошибка в программе!", "Ошибка", 64);
    EXPECT_EQ(b->money1, 2147483000);
    EXPECT_EQ(b->find("mon1")->caption, "2147483000");
    EXPECT_TRUE(b->find("rul1")->visible);
}

TEST_F(RuletkaTest, showsTheCashLessTheStakeWhileTheResultIsOpen) {
    open(1);
    setCash(1, 1000);
    fill("Лёгкий", "2", "100");
    h.random.queue(2, 3);
    std::string shown;
    std::int32_t money = 0;
    h.dialogs.whileOpen = [&](const Box&) {
        shown = b->find("mon1")->caption;
        money = b->money1;
    };
    ok();
    EXPECT_EQ(shown, "900");
    EXPECT_EQ(money, 900);
    EXPECT_EQ(b->money1, 1200);
}

TEST_F(RuletkaTest, readsTheCashFromTheSeatsCashLabel) {
    open(2);
    b->money2 = 50;  // the label still says 10000
    fill("Лёгкий", "1", "5000");
    h.random.queue(2, 3);
    ok();
    expectOneBox("Вы проиграли!", "Поражение", 48);
    EXPECT_EQ(r->cash, 5000);
    EXPECT_EQ(b->money2, 5000);
    EXPECT_EQ(b->find("mon2")->caption, "5000");
    EXPECT_EQ(b->money1, 10000);
}

TEST_F(RuletkaTest, aCompletedPlayHidesBothButtonsAndFreesTheBoard) {
    open(1);
    b->find("rul2")->visible = true;
    fill("Лёгкий", "1", "10");
    h.random.queue(1, 3);
    ok();
    EXPECT_FALSE(r->visible());
    EXPECT_TRUE(b->enabled());
    EXPECT_FALSE(b->find("rul1")->visible);
    EXPECT_FALSE(b->find("rul2")->visible);
}

TEST_F(RuletkaTest, cancelKeepsTheButtonAndTheContents) {
    open(1);
    fill("Сложный", "4", "70");
    EXPECT_TRUE(r->find("Command2")->isCancel);
    h.game.click("ruletka", "Command2");
    EXPECT_FALSE(r->visible());
    EXPECT_TRUE(b->enabled());
    EXPECT_TRUE(b->find("rul1")->visible);
    h.game.click("torgal", "rul1");
    EXPECT_EQ(r->find("stawka")->caption, "70");
    EXPECT_EQ(r->find("urowen")->caption, "Сложный");
    EXPECT_EQ(r->find("Label1")->caption, "Число(от 1 до 5)");
}

TEST_F(RuletkaTest, theRangeLabelFollowsTheLevelAndTheCloseBoxRestoresTheDesign) {
    open(1);
    EXPECT_EQ(r->find("Label1")->caption, "Число (от    до    ):");
    EXPECT_TRUE(r->findTimer("Timer1")->changeDriven);
    h.chooseItem("ruletka", "urowen", "Лёгкий");
    EXPECT_EQ(r->find("Label1")->caption, "Число(от 1 до 3)");
    h.chooseItem("ruletka", "urowen", "Сложный");
    EXPECT_EQ(r->find("Label1")->caption, "Число(от 1 до 5)");
    // Nothing chosen leaves the label as it was.
    h.chooseItem("ruletka", "urowen", "");
    EXPECT_EQ(r->find("Label1")->caption, "Число(от 1 до 5)");
    h.game.type("ruletka", "stawka", "70");
    r->drawn = 3;
    h.game.close("ruletka");
    EXPECT_FALSE(r->visible());
    EXPECT_TRUE(b->enabled());
    EXPECT_TRUE(b->find("rul1")->visible);
    EXPECT_EQ(r->find("Label1")->caption, "Число (от    до    ):");
    EXPECT_EQ(r->find("stawka")->caption, "");
    EXPECT_EQ(r->find("urowen")->listIndex, -1);
    EXPECT_EQ(r->drawn, 3);
}

}  // namespace
