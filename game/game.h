#pragma once
// One run of the program as the rules see it: the eight windows (each
// created on first use and kept to the end), the ports to the outside, and
// the single entry for every user action and timer tick. Both the Qt windows
// and the scenario runner drive the game only through this class.

#include <functional>
#include <memory>
#include <string>

#include "game/ports.h"

namespace game {

class Form;
class Welcome;
class Start;
class Board;
class Bank;
class Ruletka;
class Help1;
class Helpprog;
class OpenMuz;

// Thrown by an ending to unwind the handler that ended the program: no rule
// runs after it.
struct ProgramEnded {};

class Game {
public:
    // music is null in the silent program.
    Game(Dialogs& dialogs, Random& random, Music* music, ProgramEnd& programEnd);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    bool silent() const { return music_ == nullptr; }
    Music* mp() { return music_; }

    // The program starts by showing the splash window.
    void begin();

    // Windows, created on first use (the board runs its load step then).
    Welcome& welcome();
    Start& start();
    Board& torgal();
    Bank& bank();
    Ruletka& ruletka();
    Help1& help1();
    Helpprog& helpprog();
    OpenMuz& openMuz();
    // The window if it was ever created, else null; never creates it.
    Form* existing(const std::string& formName) const;
    static const char* const kFormNames[8];

    // User actions and ticks. Each runs one handler to its end; an ending
    // stops it where it happened. They return false when the window or the
    // control has no such event.
    bool click(const std::string& form, const std::string& control);
    bool menu(const std::string& item);
    bool type(const std::string& form, const std::string& control, const std::string& text);
    // index -1 is "nothing chosen".
    bool choose(const std::string& form, const std::string& control, int index);
    bool close(const std::string& form);
    bool tick(const std::string& form, const std::string& timer);

    // For the rules.
    Answer msgBox(const std::string& text, const std::string& title, int style);
    [[noreturn]] void endProgram();
    bool ended() const { return ended_; }
    // Reseeds from the clock (before a die roll or an event).
    void randomize();
    float rnd();

    // Updates that replace the old polling timers: labels that copy state
    // are brought up to date after every action and before every box.
    void refreshDerived();

    // Called after each action, so a window layer can redraw.
    std::function<void()> afterAction;

private:
    bool run(const std::function<bool()>& handler);

    Dialogs& dialogs_;
    Random& random_;
    Music* music_;
    ProgramEnd& programEnd_;
    bool ended_ = false;

    std::unique_ptr<Welcome> welcome_;
    std::unique_ptr<Start> start_;
    std::unique_ptr<Board> torgal_;
    std::unique_ptr<Bank> bank_;
    std::unique_ptr<Ruletka> ruletka_;
    std::unique_ptr<Help1> help1_;
    std::unique_ptr<Helpprog> helpprog_;
    std::unique_ptr<OpenMuz> openMuz_;
};

}  // namespace game
