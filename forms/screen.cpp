#include "forms/screen.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "forms/bank.h"
#include "forms/help1.h"
#include "forms/helpprog.h"
#include "forms/openmuz.h"
#include "forms/ruletka.h"
#include "forms/start.h"
#include "forms/torgal.h"
#include "forms/welcome.h"
#include "game/game.h"

namespace forms {

Screen::Screen(game::Game& game) : game_(game) {
    game_.afterAction = [this] { renderAll(); };
}

Screen::~Screen() {
    game_.afterAction = nullptr;
    // Side windows are owned by the board window; delete owners last.
    for (const char* name : {"bank", "ruletka", "help1", "helpprog", "openMuz", "torgal", "start", "welcome"}) {
        auto it = windows_.find(name);
        if (it != windows_.end()) {
            delete it->second;
            windows_.erase(it);
        }
    }
}

void Screen::act(const std::function<void()>& action) { action(); }

FormWindow* Screen::create(const std::string& name, game::Form& form) {
    QWidget* owner = window("torgal");
    FormWindow* w = nullptr;
    if (name == "welcome") w = new WelcomeForm(*this, form);
    else if (name == "start") w = new StartForm(*this, form);
    else if (name == "torgal") {
        if (musicBarFactory_ && !musicBar_) musicBar_ = musicBarFactory_();
        w = new TorgalForm(*this, form);
    }
    else if (name == "bank") w = new BankForm(*this, form, owner);
    else if (name == "ruletka") w = new RuletkaForm(*this, form, owner);
    else if (name == "help1") w = new Help1Form(*this, form, owner);
    else if (name == "helpprog") w = new HelpprogForm(*this, form, owner);
    else if (name == "openMuz") w = new OpenMuzForm(*this, form, owner);
    if (w) w->build();
    return w;
}

void Screen::renderAll() {
    if (rendering_) return;
    rendering_ = true;
    if (game_.ended()) {
        hideAll();
        rendering_ = false;
        return;
    }
    for (const char* name : game::Game::kFormNames) {
        game::Form* f = game_.existing(name);
        if (!f) continue;
        auto it = windows_.find(name);
        if (it == windows_.end()) it = windows_.emplace(name, create(name, *f)).first;
        if (it->second) it->second->render();
    }
    releaseSpentWindows();
    rendering_ = false;
}

bool Screen::spent(const std::string& name, const game::Form& form) const {
    if (form.visible()) return false;
    if (name == "welcome")
        return std::none_of(form.timers().begin(), form.timers().end(), [](const auto& t) { return t.enabled; });
    if (name == "start") {
        const game::Form* board = game_.existing("torgal");
        return board && board->visible();
    }
    return false;
}

namespace {

// Frees the window system's side of a top-level widget (its native window
// and the backing store it is painted into) and keeps the widget itself:
// show() creates them anew. QWidget::destroy() is protected; a member
// pointer taken through a derived class reaches it.
struct NativeWindow : QWidget {
    static void release(QWidget* w) { (w->*&NativeWindow::destroy)(true, true); }
};

}  // namespace

// A hidden splash or set-up window keeps its backing store (as much memory
// as the picture on screen) for good; once spent, it is let go. This runs
// after the event loop returns, never under the event (a click on the
// window's own button) that hid the window.
void Screen::releaseSpentWindows() {
    for (const char* name : {"welcome", "start"}) {
        FormWindow* w = window(name);
        const game::Form* f = game_.existing(name);
        if (!w || !f || !w->windowHandle() || !spent(name, *f)) continue;
        QTimer::singleShot(0, w, [this, w, n = std::string(name)] {
            const game::Form* model = game_.existing(n);
            if (model && spent(n, *model) && !w->isVisible() && w->windowHandle()) NativeWindow::release(w);
        });
    }
}

FormWindow* Screen::window(const std::string& formName) const {
    auto it = windows_.find(formName);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* Screen::activeWindow() const {
    if (QWidget* w = QApplication::activeWindow()) return w;
    for (const char* name : {"bank", "ruletka", "openMuz", "help1", "helpprog", "torgal", "start", "welcome"})
        if (FormWindow* w = window(name); w && w->isVisible()) return w;
    return nullptr;
}

void Screen::hideAll() {
    for (auto& [name, w] : windows_)
        if (w) w->hide();
}

}  // namespace forms
