#include "game/game.h"

#include "game/bank.h"
#include "game/board.h"
#include "game/help1.h"
#include "game/helpprog.h"
#include "game/openmuz.h"
#include "game/ruletka.h"
#include "game/start.h"
#include "game/welcome.h"

namespace game {

const char* const Game::kFormNames[8] = {"welcome", "start", "torgal", "bank",
                                         "ruletka", "help1", "helpprog", "openMuz"};

Game::Game(Dialogs& dialogs, Random& random, Music* music, ProgramEnd& programEnd)
    : dialogs_(dialogs), random_(random), music_(music), programEnd_(programEnd) {}

Game::~Game() = default;

void Game::begin() {
    run([this] {
        welcome().show();
        return true;
    });
}

Welcome& Game::welcome() {
    if (!welcome_) welcome_ = std::make_unique<Welcome>(*this);
    return *welcome_;
}

Start& Game::start() {
    if (!start_) start_ = std::make_unique<Start>(*this);
    return *start_;
}

Board& Game::torgal() {
    if (!torgal_) {
        torgal_ = std::make_unique<Board>(*this);
        // Creating the board is its first use: it loads at once, hidden.
        torgal_->hide();
    }
    return *torgal_;
}

Bank& Game::bank() {
    if (!bank_) bank_ = std::make_unique<Bank>(*this);
    return *bank_;
}

Ruletka& Game::ruletka() {
    if (!ruletka_) ruletka_ = std::make_unique<Ruletka>(*this);
    return *ruletka_;
}

Help1& Game::help1() {
    if (!help1_) help1_ = std::make_unique<Help1>(*this);
    return *help1_;
}

Helpprog& Game::helpprog() {
    if (!helpprog_) helpprog_ = std::make_unique<Helpprog>(*this);
    return *helpprog_;
}

OpenMuz& Game::openMuz() {
    if (!openMuz_) openMuz_ = std::make_unique<OpenMuz>(*this);
    return *openMuz_;
}

Form* Game::existing(const std::string& formName) const {
    if (formName == "welcome") return welcome_.get();
    if (formName == "start") return start_.get();
    if (formName == "torgal") return torgal_.get();
    if (formName == "bank") return bank_.get();
    if (formName == "ruletka") return ruletka_.get();
    if (formName == "help1") return help1_.get();
    if (formName == "helpprog") return helpprog_.get();
    if (formName == "openMuz") return openMuz_.get();
    return nullptr;
}

bool Game::run(const std::function<bool()>& handler) {
    if (ended_) return false;
    bool known = true;
    try {
        known = handler();
    } catch (const ProgramEnded&) {
    }
    if (!ended_) refreshDerived();
    if (afterAction) afterAction();
    return known;
}

bool Game::click(const std::string& form, const std::string& control) {
    Form* f = existing(form);
    Control* c = f ? f->find(control) : nullptr;
    if (!c) return false;
    // A hidden or disabled window takes no input.
    if (!f->visible() || !f->enabled()) return true;
    return run([&] {
        // Option buttons form one group per window: a click selects one.
        if (c->kind == Kind::Option)
            for (const auto& o : f->controls())
                if (o->kind == Kind::Option) o->value = o.get() == c;
        return f->click(control);
    });
}

bool Game::menu(const std::string& item) {
    if (!torgal_) return false;
    Control* c = torgal_->find(item);
    if (!c || c->kind != Kind::MenuItem) return false;
    // A greyed item, or the menu of a disabled board, does nothing (its
    // shortcut may still reach the window).
    if (!c->enabled || !torgal_->visible() || !torgal_->enabled()) return true;
    return run([&] { return torgal_->menuClick(item); });
}

bool Game::type(const std::string& form, const std::string& control, const std::string& text) {
    Form* f = existing(form);
    Control* c = f ? f->find(control) : nullptr;
    if (!c || c->kind != Kind::TextBox) return false;
    return run([&] {
        c->caption = text;
        f->textChanged(control);
        return true;
    });
}

bool Game::choose(const std::string& form, const std::string& control, int index) {
    Form* f = existing(form);
    Control* c = f ? f->find(control) : nullptr;
    if (!c || (c->kind != Kind::ComboBox && c->kind != Kind::ListBox) || index < -1 || index >= static_cast<int>(c->items.size())) return false;
    return run([&] {
        const bool changed = c->listIndex != index;
        c->listIndex = index;
        c->caption = index < 0 ? std::string() : c->items[static_cast<std::size_t>(index)];
        if (changed) f->listChanged(control);
        return true;
    });
}

bool Game::close(const std::string& form) {
    Form* f = existing(form);
    if (!f) return false;
    return run([&] {
        f->closeBox();
        return true;
    });
}

bool Game::tick(const std::string& form, const std::string& timer) {
    Form* f = existing(form);
    Timer* t = f ? f->findTimer(timer) : nullptr;
    if (!t) return false;
    return run([&] {
        if (f->loaded() && t->enabled && t->interval > 0 && !t->changeDriven) f->timerTick(timer);
        return true;
    });
}

Answer Game::msgBox(const std::string& text, const std::string& title, int style) {
    refreshDerived();
    const Answer a = dialogs_.msgBox(text, title, style);
    // The program may have ended while the box was open (the win check
    // ticks on); nothing of the waiting handler may run after that.
    if (ended_) throw ProgramEnded{};
    return a;
}

void Game::endProgram() {
    ended_ = true;
    programEnd_.end();
    throw ProgramEnded{};
}

void Game::randomize() { random_.reseed(); }

float Game::rnd() { return random_.next(); }

void Game::refreshDerived() {
    if (bank_) bank_->refreshLabels();
}

}  // namespace game
