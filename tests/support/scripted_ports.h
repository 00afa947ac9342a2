#pragma once
// Ports for running the game without a display: message boxes are recorded
// and answered from a queue, random values come from a queue, music
// commands and the program's end are recorded.

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/form.h"
#include "game/game.h"
#include "game/ports.h"

namespace testing_support {

// A scripted value was needed but none was queued.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Box {
    std::string text, title;
    int style;
};

class ScriptedDialogs : public game::Dialogs {
public:
    std::vector<Box> boxes;        // every box shown, oldest first
    std::deque<game::Answer> answers;  // answers to Yes/No questions
    // Called while a box is open, to act as the world does meanwhile.
    std::function<void(const Box&)> whileOpen;

    game::Answer msgBox(const std::string& text, const std::string& title, int style) override {
        boxes.push_back({text, title, style});
        if (whileOpen) whileOpen(boxes.back());
        if (style != game::StyleYesNo) return game::Answer::Ok;
        if (answers.empty()) throw ScriptError("a question \"" + text + "\" with no queued answer");
        const game::Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

class ScriptedRandom : public game::Random {
public:
    std::deque<float> values;
    int reseeds = 0;
    void reseed() override { ++reseeds; }
    float next() override {
        if (values.empty()) throw ScriptError("a random value was drawn but none was queued");
        const float v = values.front();
        values.pop_front();
        return v;
    }
    // Queues the value that makes a draw of 1..n give v.
    void queue(int v, int n) { values.push_back((static_cast<float>(v) - 0.5f) / static_cast<float>(n)); }
    void die(int v) { queue(v, 6); }
};

class RecordingMusic : public game::Music {
public:
    std::string fileName;
    std::vector<std::string> commands;  // also "FileName=<path>" and "Visible=0/1" in order
    std::string lastCommand;
    bool buttonsVisible = false;
    void setFileName(const std::string& path) override {
        fileName = path;
        commands.push_back("FileName=" + path);
    }
    void command(const std::string& cmd) override {
        lastCommand = cmd;
        commands.push_back(cmd);
    }
    void setButtonsVisible(bool visible) override {
        buttonsVisible = visible;
        commands.push_back(visible ? "Visible=1" : "Visible=0");
    }
};

class RecordingEnd : public game::ProgramEnd {
public:
    int ends = 0;
    void end() override { ++ends; }
};

// A whole program with scripted ports.
struct Harness {
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    RecordingMusic music;
    RecordingEnd end;
    game::Game game;
    explicit Harness(bool silent = false) : game(dialogs, random, silent ? nullptr : &music, end) { game.begin(); }

    // Picks a drop-down list's item by its text ("" for nothing chosen).
    bool chooseItem(const std::string& form, const std::string& control, const std::string& item) {
        game::Form* f = game.existing(form);
        const game::Control* c = f ? f->find(control) : nullptr;
        if (!c) return false;
        int index = -1;
        for (std::size_t i = 0; i < c->items.size(); ++i)
            if (c->items[i] == item) index = static_cast<int>(i);
        if (index < 0 && !item.empty()) return false;
        return game.choose(form, control, index);
    }

    // A whole successful set-up, as a player makes it.
    void startGame(const std::string& name1 = "Аня", const std::string& name2 = "Борис",
                   const std::string& kind = "Человек", const std::string& colour1 = "Красный",
                   const std::string& colour2 = "Синий") {
        game.tick("welcome", "Timer1");
        game.type("start", "Text1", name1);
        game.type("start", "Text2", name2);
        chooseItem("start", "im2", kind);
        game.tick("start", "Timer1");
        chooseItem("start", "zw1", colour1);
        chooseItem("start", "zw2", colour2);
        game.click("start", "Command1");
        game.tick("torgal", "Timer1");
    }
};

}  // namespace testing_support
