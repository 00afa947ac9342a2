// Start-up: the splash, the set-up window's checks and the board's load step.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/clock_random.h"
#include "game/start.h"
#include "game/welcome.h"
#include "support/scripted_ports.h"

using testing_support::Harness;

namespace {

game::Board& board(Harness& h) { return h.game.torgal(); }
std::string caption(Harness& h, const char* form, const char* control) {
    return h.game.existing(form)->find(control)->caption;
}

}  // namespace

TEST(StartUp, splashGivesWayToTheSetUpWindowAfterItsTick) {
    Harness h;
    EXPECT_TRUE(h.game.welcome().visible());
    EXPECT_EQ(h.game.existing("start"), nullptr);
    h.game.tick("welcome", "Timer1");
    EXPECT_FALSE(h.game.welcome().visible());
    EXPECT_TRUE(h.game.start().visible());
    EXPECT_FALSE(h.game.welcome().findTimer("Timer1")->enabled);
    EXPECT_EQ(h.game.existing("torgal"), nullptr) << "the board waits for the first OK press";
}

TEST(StartUp, aSuccessfulSetUpShowsTheBoardWithTenThousandEach) {
    Harness h;
    h.startGame("Аня", "Борис", "Компьютер", "Зелёный", "Фиолетовый");
    game::Board& b = board(h);
    EXPECT_TRUE(b.visible());
    EXPECT_FALSE(h.game.start().visible());
    EXPECT_EQ(b.money1, 10000);
    EXPECT_EQ(b.money2, 10000);
    EXPECT_EQ(b.kind2, 2);
    EXPECT_EQ(caption(h, "torgal", "mon1"), "10000");
    EXPECT_EQ(caption(h, "torgal", "dochak2"), "0");
    EXPECT_EQ(caption(h, "torgal", "Label4"), "Pentium V") << "choosing the computer names it";
    EXPECT_EQ(caption(h, "torgal", "ktohod"), "Аня");
    EXPECT_EQ(b.find("ktohod")->foreColor, 0xFF00u);
    EXPECT_EQ(b.fish(2).fillColor, 0xC000C0u);
    for (const char* name : {"kub2", "sled1", "sled2", "kup1", "kup2", "prod1", "prod2", "wikup1", "rul1", "rul2",
                             "close1", "close2"})
        EXPECT_FALSE(b.find(name)->visible) << name;
    EXPECT_TRUE(b.find("kub1")->visible);
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST(StartUp, okChecksRunInTheirFixedOrderAndReportOnlyTheFirstFailure) {
    Harness h;
    h.game.tick("welcome", "Timer1");
    h.game.click("start", "Command1");
    h.chooseItem("start", "im2", "Человек");
    h.game.click("start", "Command1");
    h.chooseItem("start", "zw1", "Синий");
    h.game.click("start", "Command1");
    h.chooseItem("start", "zw2", "Синий");
    h.game.click("start", "Command1");
    ASSERT_EQ(h.dialogs.boxes.size(), 4u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Выберите игроков!");
    EXPECT_EQ(h.dialogs.boxes[1].text, "Выберите цвет игрока 1!");
    EXPECT_EQ(h.dialogs.boxes[2].text, "Выберите цвет игрока 2!");
    EXPECT_EQ(h.dialogs.boxes[3].text, "Фишки игроков не могут быть одного цвета!");
    for (const auto& box : h.dialogs.boxes) {
        EXPECT_EQ(box.title, "Ошибка");
        EXPECT_EQ(box.style, 16);
    }
    EXPECT_TRUE(h.game.start().visible());
    EXPECT_FALSE(board(h).visible());
    // Both tokens were coloured before the equal colours were refused.
    EXPECT_EQ(board(h).fish(1).fillColor, 0xFF0000u);
    EXPECT_EQ(board(h).fish(2).fillColor, 0xFF0000u);
}

TEST(StartUp, aFailedFirstPressFixesThePlayerKindTheBoardKeeps) {
    Harness h;
    h.game.tick("welcome", "Timer1");
    h.game.click("start", "Command1");  // no kind chosen: the board loads with kind2 = 0
    EXPECT_EQ(board(h).kind2, 0);
    h.chooseItem("start", "im2", "Компьютер");
    EXPECT_EQ(caption(h, "start", "Text2"), "Pentium V");
    h.chooseItem("start", "zw1", "Красный");
    h.chooseItem("start", "zw2", "Синий");
    h.game.click("start", "Command1");
    EXPECT_TRUE(board(h).visible());
    EXPECT_EQ(board(h).kind2, 0);
    EXPECT_EQ(h.game.start().pick2, 2);

    Harness h2;
    h2.game.tick("welcome", "Timer1");
    h2.chooseItem("start", "im2", "Компьютер");
    h2.game.click("start", "Command1");  // fails on the colour, kind2 already 2
    h2.chooseItem("start", "im2", "Человек");
    h2.chooseItem("start", "zw1", "Красный");
    h2.chooseItem("start", "zw2", "Синий");
    h2.game.click("start", "Command1");
    EXPECT_EQ(board(h2).kind2, 2);
    EXPECT_EQ(h2.game.start().pick2, 1);
}

TEST(StartUp, theComputersNameIsWrittenOnlyOncePerRun) {
    Harness h;
    h.game.tick("welcome", "Timer1");
    h.game.type("start", "Text2", "Вася");
    h.chooseItem("start", "im2", "Компьютер");
    EXPECT_EQ(caption(h, "start", "Text2"), "Pentium V");
    h.game.type("start", "Text2", "Петя");
    h.chooseItem("start", "im2", "Человек");
    h.chooseItem("start", "im2", "Компьютер");
    EXPECT_EQ(caption(h, "start", "Text2"), "Петя");
    EXPECT_EQ(h.game.start().cpunamed, 1);
}

TEST(StartUp, nameFixUpCopiesPlayerOnesNameOnceThenStops) {
    Harness h;
    h.game.tick("welcome", "Timer1");
    h.game.click("start", "Command1");  // creates the board, fails
    EXPECT_EQ(caption(h, "torgal", "ktohod"), "Игрок 1") << "the load step saw the design caption";
    h.game.type("start", "Text1", "Аня");
    h.game.tick("torgal", "Timer1");
    EXPECT_EQ(caption(h, "torgal", "ktohod"), "Аня");
    EXPECT_EQ(board(h).nameshown, 1);
    h.game.type("start", "Text1", "Оля");
    h.game.tick("torgal", "Timer1");  // stops itself
    h.game.tick("torgal", "Timer1");
    EXPECT_EQ(board(h).findTimer("Timer1")->interval, 0);
    h.chooseItem("start", "im2", "Человек");
    h.chooseItem("start", "zw1", "Красный");
    h.chooseItem("start", "zw2", "Синий");
    h.game.click("start", "Command1");
    EXPECT_EQ(caption(h, "torgal", "Label3"), "Оля");
    EXPECT_EQ(caption(h, "torgal", "ktohod"), "Аня") << "ktohod keeps the name the timer copied";
}

TEST(StartUp, tenColourNamesGiveTenDistinctTokenColours) {
    for (std::size_t i = 0; i < 10; ++i)
        for (std::size_t j = i + 1; j < 10; ++j)
            EXPECT_NE(game::kTokenColours[i].fill, game::kTokenColours[j].fill);
    Harness h;
    h.startGame("А", "Б", "Человек", "Белый", "Чёрный");
    EXPECT_EQ(board(h).fish(1).fillColor, game::kSysHighlightText);
    EXPECT_EQ(board(h).fish(2).fillColor, game::kSysWindowText);
    EXPECT_EQ(board(h).fish(2).borderColor, game::kSysHighlightText);
    EXPECT_EQ(board(h).fish(1).borderColor, 0x000000u);
}

TEST(StartUp, theMusicProgramStartsTrackOneAndTheSilentOneNothing) {
    Harness h;
    h.startGame();
    EXPECT_EQ(h.music.commands, (std::vector<std::string>{"FileName=musik/track1.mid", "open", "play"}));
    Harness silent(true);
    silent.startGame();
    EXPECT_TRUE(silent.music.commands.empty());
    EXPECT_TRUE(silent.game.torgal().visible());
}

TEST(StartUp, closingTheSplashOrTheSetUpWindowEndsTheProgram) {
    Harness h;
    h.game.close("welcome");
    EXPECT_TRUE(h.game.ended());
    EXPECT_EQ(h.end.ends, 1);
    Harness h2;
    h2.game.tick("welcome", "Timer1");
    h2.game.close("start");
    EXPECT_TRUE(h2.game.ended());
    Harness h3;
    h3.game.tick("welcome", "Timer1");
    h3.game.click("start", "Command2");
    EXPECT_TRUE(h3.game.ended());
    EXPECT_FALSE(h3.game.click("start", "Command1")) << "nothing runs after the end";
    EXPECT_EQ(h3.game.existing("torgal"), nullptr);
}

TEST(RandomGenerator, reseedsInTheSameSecondDoNotRepeatTheSequence) {
    game::ClockRandom r;
    r.fold(1000);
    const float a = r.next();
    r.fold(1000);
    const float b = r.next();
    r.fold(1000);
    const float c = r.next();
    EXPECT_FALSE(a == b && b == c);
    for (int i = 0; i < 100000; ++i) {
        const float v = r.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}
