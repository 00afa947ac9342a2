#include "game/form.h"

namespace game {

std::uint32_t toRgb(Colour c) {
    if (c & 0x80000000u) {
        switch (c & 0xFF) {
        case 0x0E: return 0xFFFFFF;  // highlighted text
        case 0x08: return 0x000000;  // window text
        case 0x12: return 0x000000;  // button text
        case 0x05: return 0xFFFFFF;  // window background
        case 0x0F: return 0xF0F0F0;  // button face
        default: return 0x000000;
        }
    }
    const std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

Form::Form(Game& game, std::string name) : game_(game), name_(std::move(name)) {}

Control& Form::add(const std::string& name, Kind kind, int left, int top, int width, int height) {
    auto c = std::make_unique<Control>();
    c->name = name;
    c->kind = kind;
    c->left = left;
    c->top = top;
    c->width = width;
    c->height = height;
    c->z = static_cast<int>(controls_.size());
    index_[name] = c.get();
    controls_.push_back(std::move(c));
    return *controls_.back();
}

void Form::addDesigned(std::initializer_list<ControlDesign> table) {
    int tab = 0;
    for (const ControlDesign& d : table) {
        Control& c = add(d.name, d.kind, d.left, d.top, d.width, d.height);
        c.caption = d.text;
        c.foreColor = d.fore;
        c.font = d.font;
        c.tabIndex = tab++;
        if (d.kind == Kind::Label) c.transparentBack = true;
        if (d.kind == Kind::TextBox || d.kind == Kind::ComboBox) c.backColor = kSysWindow;
    }
}

Timer& Form::addTimer(const std::string& name, int interval, bool changeDriven) {
    Timer t;
    t.name = name;
    t.interval = interval;
    t.changeDriven = changeDriven;
    timers_.push_back(t);
    return timers_.back();
}

void Form::keepDesign() {
    design_.clear();
    for (const auto& c : controls_) design_.push_back(*c);
    designTimers_ = timers_;
}

void Form::show() {
    if (!loaded_) {
        loaded_ = true;
        formLoad();
    }
    visible_ = true;
}

void Form::hide() {
    if (!loaded_) {
        loaded_ = true;
        formLoad();
    }
    visible_ = false;
}

void Form::unload() {
    visible_ = false;
    loaded_ = false;
    for (std::size_t i = 0; i < controls_.size() && i < design_.size(); ++i) *controls_[i] = design_[i];
    timers_ = designTimers_;
}

Control* Form::find(const std::string& controlName) {
    const auto it = index_.find(controlName);
    return it == index_.end() ? nullptr : it->second;
}

const Control* Form::find(const std::string& controlName) const {
    const auto it = index_.find(controlName);
    return it == index_.end() ? nullptr : it->second;
}

Timer* Form::findTimer(const std::string& timerName) {
    for (auto& t : timers_)
        if (t.name == timerName) return &t;
    return nullptr;
}

bool Form::click(const std::string&) { return false; }
void Form::textChanged(const std::string&) {}
void Form::listChanged(const std::string&) {}
void Form::closeBox() { unload(); }
void Form::timerTick(const std::string&) {}

bool Form::coveredAtCentre(const Control& c) const {
    const int cx = c.left + c.width / 2, cy = c.top + c.height / 2;
    for (const auto& o : controls_) {
        if (o.get() == &c || !o->visible || !o->takesClicks() || o->z <= c.z) continue;
        if (cx >= o->left && cx < o->left + o->width && cy >= o->top && cy < o->top + o->height) return true;
    }
    return false;
}

}  // namespace game
