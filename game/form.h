#pragma once
// A window of the game as the rules see it: its controls with their state,
// its timers and its own variables, whether it is loaded, shown and enabled.
// Windows are created once and live for the whole run; hiding keeps their
// contents, unloading (the close box of a side window) brings the controls
// back to their design values while the window's variables keep theirs.

#include <cstdint>
#include <initializer_list>
#include <unordered_map>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/control.h"

namespace game {

class Game;

// A named variable of a window, for the scenario runner and the tests.
struct VarRef {
    enum Type { I16, I32, Text } type;
    void* ptr;
};

struct Timer {
    std::string name;
    int interval = 0;   // ms; 0 stops it
    bool enabled = true;
    // Replaced by updates at the moment the state it copied changes: it
    // never runs, and a tick of it does nothing.
    bool changeDriven = false;
};

// One row of a window's design table: a control with its text, place,
// text colour and font.
struct ControlDesign {
    const char* name;
    Kind kind;
    const char* text;
    int left, top, width, height;
    Colour fore;
    Font font;
};

class Form {
public:
    Form(Game& game, std::string name);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    Game& game() const { return game_; }

    // Window facts.
    std::string title;
    int clientWidth = 0, clientHeight = 0;  // twips
    Colour backColor = kSysButtonFace;
    bool hasCloseBox = true;

    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

    // Show loads a window that is not loaded; hide keeps its contents.
    void show();
    void hide();
    // The close box of a side window: hidden, then unloaded.
    void unload();

    Control* find(const std::string& controlName);
    const Control* find(const std::string& controlName) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    Timer* findTimer(const std::string& timerName);
    const std::vector<Timer>& timers() const { return timers_; }

    const std::map<std::string, VarRef>& vars() const { return vars_; }

    // Events of the window: each returns false when the control has no such
    // event, so the caller can tell an unknown event from one that did nothing.
    virtual bool click(const std::string& control);
    virtual void textChanged(const std::string& control);
    virtual void listChanged(const std::string& control);
    // The close box.
    virtual void closeBox();
    virtual void timerTick(const std::string& timer);

    // True when the control is visible and no visible click-taking control
    // lying over it covers its centre.
    bool coveredAtCentre(const Control& c) const;

protected:
    Control& add(const std::string& name, Kind kind, int left, int top, int width, int height);
    Timer& addTimer(const std::string& name, int interval, bool changeDriven = false);
    // Adds the controls of a design table in its order, which is also the
    // tab order; labels lie on the window's background, boxes and lists are white.
    void addDesigned(std::initializer_list<ControlDesign> table);
    void addVar(const std::string& name, std::int16_t& v) { vars_[name] = {VarRef::I16, &v}; }
    void addVar(const std::string& name, std::int32_t& v) { vars_[name] = {VarRef::I32, &v}; }
    void addVar(const std::string& name, std::string& v) { vars_[name] = {VarRef::Text, &v}; }
    // Remembers the controls' current values as their design values; call
    // once at the end of the constructor.
    void keepDesign();
    // The window's load event, after the design values are in place.
    virtual void formLoad() {}

private:
    Game& game_;
    std::string name_;
    bool loaded_ = false;
    bool visible_ = false;
    bool enabled_ = true;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*> index_;
    std::vector<Control> design_;
    std::vector<Timer> timers_;
    std::vector<Timer> designTimers_;
    std::map<std::string, VarRef> vars_;
};

}  // namespace game
