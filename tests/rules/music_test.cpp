// The music menu and the music commands every caller sends, in the program
// with music and in the silent program.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/game.h"
#include "game/openmuz.h"
#include "support/scripted_ports.h"

using namespace testing_support;
using Commands = std::vector<std::string>;

namespace {

// The check marks of the menu: "nomus" or "mtrack(i)" for every checked item.
std::vector<std::string> checkedItems(game::Board& b) {
    std::vector<std::string> on;
    if (b.find("nomus")->value) on.push_back("nomus");
    for (int i = 0; i < 10; ++i)
        if (b.mtrack(i).value) on.push_back("mtrack(" + std::to_string(i) + ")");
    return on;
}

class Music : public ::testing::Test {
protected:
    Harness h;
    game::Board* b = nullptr;
    void SetUp() override {
        h.startGame();
        b = &h.game.torgal();
        h.music.commands.clear();
    }
};

TEST(MusicStartUp, setUpStartsTrackOneInTheMusicProgramAndNothingInTheSilentOne) {
    Harness music;
    music.startGame();
    EXPECT_EQ(music.music.commands, (Commands{"FileName=musik/track1.mid", "open", "play"}));
    EXPECT_EQ(checkedItems(music.game.torgal()), (std::vector<std::string>{"mtrack(0)"}));

    Harness silent(true);
    silent.startGame();
    EXPECT_TRUE(silent.music.commands.empty());
    EXPECT_TRUE(silent.game.torgal().visible());
    EXPECT_EQ(checkedItems(silent.game.torgal()), (std::vector<std::string>{"mtrack(0)"}));
}

TEST_F(Music, choosingATrackStopsMovesTheCheckMarkAndPlaysIt) {
    h.game.menu("mtrack(2)");
    EXPECT_EQ(h.music.commands, (Commands{"stop", "FileName=musik/track3.mid", "open", "play"}));
    EXPECT_EQ(checkedItems(*b), (std::vector<std::string>{"mtrack(2)"}));

    // The checked track again runs the same steps.
    h.music.commands.clear();
    h.game.menu("mtrack(2)");
    EXPECT_EQ(h.music.commands, (Commands{"stop", "FileName=musik/track3.mid", "open", "play"}));
    EXPECT_EQ(checkedItems(*b), (std::vector<std::string>{"mtrack(2)"}));
}

TEST_F(Music, aTrackAfterAFileOfThePlayersOwnStopsTheFileFirst) {
    h.game.menu("open");
    h.game.openMuz().filepath = "/home/anna/song.mid";
    h.game.click("openMuz", "Command1");
    EXPECT_TRUE(checkedItems(*b).empty());
    h.music.commands.clear();
    h.game.menu("mtrack(4)");
    EXPECT_EQ(h.music.commands, (Commands{"stop", "FileName=musik/track5.mid", "open", "play"}));
    EXPECT_EQ(checkedItems(*b), (std::vector<std::string>{"mtrack(4)"}));
}

TEST_F(Music, barItemTogglesItsCaptionAndTheControlsButtons) {
    game::Control& upr = *b->find("upr");
    EXPECT_FALSE(upr.enabled);  // not offered to the player
    h.game.menu("upr");
    EXPECT_EQ(upr.caption, "Управление вкл") << "a greyed item cannot be chosen";
    b->upr_Click();
    EXPECT_EQ(upr.caption, "Управление выкл");
    b->upr_Click();
    EXPECT_EQ(upr.caption, "Управление вкл");
    EXPECT_EQ(h.music.commands, (Commands{"Visible=1", "Visible=0"}));
    EXPECT_EQ(checkedItems(*b), (std::vector<std::string>{"mtrack(0)"}));
}

// The check marks change between "stop" and the new file name: a port that
// looks at the menu while each command arrives sees the old mark at "stop"
// and the new one from the file name on.
TEST(MusicOrder, checkMarksMoveBetweenStopAndTheNewFileName) {
    struct Snooping : RecordingMusic {
        game::Game* g = nullptr;
        std::vector<std::string> marks;
        void note() {
            auto& b = static_cast<game::Board&>(*g->existing("torgal"));
            std::string m;
            for (const auto& c : checkedItems(b)) m += c;
            marks.push_back(m);
        }
        void setFileName(const std::string& p) override { note(); RecordingMusic::setFileName(p); }
        void command(const std::string& c) override { note(); RecordingMusic::command(c); }
    };
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    RecordingEnd end;
    Snooping mp;
    game::Game g(dialogs, random, &mp, end);
    mp.g = &g;
    g.begin();
    g.tick("welcome", "Timer1");
    g.choose("start", "im2", 0);
    g.choose("start", "zw1", 3);
    g.choose("start", "zw2", 8);
    g.click("start", "Command1");
    mp.marks.clear();
    mp.commands.clear();

    g.menu("mtrack(3)");
    EXPECT_EQ(mp.marks, (std::vector<std::string>{"mtrack(0)", "mtrack(3)", "mtrack(3)", "mtrack(3)"}));
    mp.marks.clear();
    mp.commands.clear();
    g.menu("nomus");
    EXPECT_EQ(mp.marks, (std::vector<std::string>{"nomus"}));

    // "Открыть": the file name goes before the marks are cleared, "open"
    // after the window is hidden and the board enabled again.
    mp.marks.clear();
    mp.commands.clear();
    g.menu("open");
    g.click("openMuz", "Command1");
    EXPECT_EQ(mp.marks, (std::vector<std::string>{"nomus", "", ""}));
    EXPECT_EQ(mp.commands, (Commands{"FileName=", "open", "play"}));
}

TEST(SilentMusic, trackAndSilenceItemsLeaveTheCheckMarks) {
    Harness h(true);
    h.startGame();
    game::Board& b = h.game.torgal();
    EXPECT_TRUE(h.game.menu("mtrack(4)"));
    EXPECT_EQ(checkedItems(b), (std::vector<std::string>{"mtrack(0)"}));
    h.game.menu("nomus");
    EXPECT_EQ(checkedItems(b), (std::vector<std::string>{"mtrack(0)"}));
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST(SilentMusic, barItemOnlyTogglesItsCaptionAndLeavesAnyOtherAlone) {
    Harness h(true);
    h.startGame();
    game::Control& upr = *h.game.torgal().find("upr");
    h.game.torgal().upr_Click();
    EXPECT_EQ(upr.caption, "Управление выкл");
    upr.caption = "Управление";
    h.game.torgal().upr_Click();
    EXPECT_EQ(upr.caption, "Управление");
}

}  // namespace
