#pragma once
// The few things the rules call outside themselves. Each has a real
// implementation in the Qt layer and a scripted one in the tests.

#include <string>

namespace game {

// Message box styles as the game uses them.
enum BoxStyle : int {
    StyleStop = 16,         // stop icon, OK
    StyleExclamation = 48,  // exclamation icon, OK
    StyleInformation = 64,  // information icon, OK
    StyleYesNo = 4,         // Yes/No question without icon
};

enum class Answer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows a modal box and returns the button pressed.
    virtual Answer msgBox(const std::string& text, const std::string& title, int style) = 0;
};

class Random {
public:
    virtual ~Random() = default;
    // Folds the clock into the generator before a die roll or an event.
    virtual void reseed() = 0;
    // Next value in [0, 1), single precision like the game's generator.
    virtual float next() = 0;
};

// The multimedia control `mp`. Absent (null) in the silent program.
class Music {
public:
    virtual ~Music() = default;
    virtual void setFileName(const std::string& path) = 0;
    // "open", "play" or "stop"; returns at once whatever the outcome.
    virtual void command(const std::string& cmd) = 0;
    // Shows or hides the control's button bar (its `Visible`).
    virtual void setButtonsVisible(bool visible) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program; the process exits with status 0.
    virtual void end() = 0;
};

}  // namespace game
