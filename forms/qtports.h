#pragma once
// The Qt side of the game's ports: message boxes and the program's end.

#include "game/ports.h"

namespace forms {

class Screen;

class QtDialogs : public game::Dialogs {
public:
    void setScreen(Screen* screen) { screen_ = screen; }
    // Renders every window first, so the box stands over the screen as the
    // rules have left it at this moment; then an application-modal box.
    game::Answer msgBox(const std::string& text, const std::string& title, int style) override;

private:
    Screen* screen_ = nullptr;
};

class QtProgramEnd : public game::ProgramEnd {
public:
    void setScreen(Screen* screen) { screen_ = screen; }
    // Hides every window and leaves the event loop with status 0.
    void end() override;

private:
    Screen* screen_ = nullptr;
};

// Font families the game names, mapped to faces installed on Linux; the
// application's default font becomes the face standing in for Arial, so
// only one family is loaded. Call it once the QApplication exists.
void installFontSubstitutions();
// Russian texts for the standard buttons of message boxes.
void installRussianTranslation();

}  // namespace forms
