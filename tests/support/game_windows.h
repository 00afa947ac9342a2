#pragma once
// A started game with its Qt windows, offscreen, for window tests.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "forms/formwindow.h"
#include "forms/screen.h"
#include "support/scripted_ports.h"

namespace testing_support {

class GameWindows : public ::testing::Test {
protected:
    GameWindows() {
        h.startGame();
        screen.renderAll();
    }

    // The Qt window of a game window; a test fails loudly if it was never made.
    forms::FormWindow& win(const char* form) {
        forms::FormWindow* w = screen.window(form);
        if (!w) throw std::runtime_error(std::string("no window ") + form);
        return *w;
    }

    Harness h;
    forms::Screen screen{h.game};
};

}  // namespace testing_support
