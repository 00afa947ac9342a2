// Spent start-up windows give their window-system resources back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>

#include "forms/formwindow.h"
#include "forms/screen.h"
#include "game/game.h"
#include "game/start.h"
#include "support/scripted_ports.h"

namespace {

struct Program {
    testing_support::Harness h;
    forms::Screen screen{h.game};
    Program() { screen.renderAll(); }
    forms::FormWindow* window(const char* name) { return screen.window(name); }
};

}  // namespace

TEST(SpentWindows, theSplashAndSetUpWindowsLetGoOfTheirNativeWindowsAndComeBackWhenShown) {
    Program p;
    ASSERT_NE(p.window("welcome")->windowHandle(), nullptr);
    p.h.game.tick("welcome", "Timer1");
    QApplication::processEvents();
    EXPECT_FALSE(p.window("welcome")->isVisible());
    EXPECT_EQ(p.window("welcome")->windowHandle(), nullptr);

    p.h.game.click("start", "Command1");  // refused: no names yet
    QApplication::processEvents();
    EXPECT_NE(p.window("start")->windowHandle(), nullptr);  // still in use

    p.h.startGame();
    QApplication::processEvents();
    EXPECT_TRUE(p.window("torgal")->isVisible());
    EXPECT_EQ(p.window("start")->windowHandle(), nullptr);

    // Shown again (no game path does this today): the window is whole again.
    p.h.game.start().show();
    p.screen.renderAll();
    QApplication::processEvents();
    EXPECT_TRUE(p.window("start")->isVisible());
    EXPECT_NE(p.window("start")->windowHandle(), nullptr);
    EXPECT_NE(p.window("start")->widget("Command1"), nullptr);
}
