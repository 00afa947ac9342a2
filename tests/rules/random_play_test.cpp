// Whole games of random play in the game layer: random clicks on whatever a
// player could click, random typing and list choices, random answers and
// draws, and win-check ticks. After every step the ownership invariants must
// hold, and every game must end or run its full length without a fault.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <vector>

#include "game/bank.h"
#include "game/board.h"
#include "game/game.h"
#include "game/help1.h"
#include "game/helpprog.h"
#include "game/openmuz.h"
#include "game/ruletka.h"
#include "rules/deal_helpers.h"

using namespace testing_support;

namespace {

struct Action {
    enum Type { Click, Menu, Type, Choose, Close } type;
    const char* form;
    const game::Control* control;  // null for the close box
};

class RandomGame {
public:
    RandomGame(unsigned seed, bool computer) : rng_(seed), computer_(computer) {}

    // Plays up to maxSteps steps; returns "" or the first fault found.
    std::string play(int maxSteps) {
        static const char* const colours[] = {"Белый", "Серый", "Чёрный", "Красный", "Оранжевый",
                                              "Жёлтый", "Зелёный", "Голубой", "Синий", "Фиолетовый"};
        const int c1 = pick(10);
        int c2 = pick(9);
        if (c2 >= c1) ++c2;
        h_.startGame("Аня", "Борис", computer_ ? "Компьютер" : "Человек", colours[c1], colours[c2]);
        if (!h_.game.existing("torgal") || !h_.game.torgal().visible()) return "the set-up did not show the board";
        // While a box is open the win check may tick.
        h_.dialogs.whileOpen = [this](const Box&) {
            if (chance(0.05)) h_.game.tick("torgal", "Timer2");
        };
        for (step_ = 0; step_ < maxSteps; ++step_) {
            feed();
            try {
                if (chance(0.1)) {
                    last_ = "tick Timer2";
                    h_.game.tick("torgal", "Timer2");
                } else {
                    const std::vector<Action> actions = candidates();
                    if (actions.empty()) return where() + "no action is possible (the game is stuck)";
                    perform(choose(actions));
                }
            } catch (const std::exception& e) {
                return where() + "exception: " + e.what();
            }
            if (h_.game.ended()) {
                ended_ = true;
                return "";
            }
            if (!invariantsHold()) return where() + ownershipFault(h_.game.torgal());
        }
        return "";
    }

    bool ended() const { return ended_; }

private:
    // The ownership invariants, checked cheaply with the controls looked up
    // once; ownershipFault() then names what is wrong.
    bool invariantsHold() {
        game::Board& b = h_.game.torgal();
        if (!markers_[1]) {
            for (int n = 1; n <= game::kShareCount; ++n) markers_[n] = &b.ak(n);
            tokens_[1] = &b.fish(1);
            tokens_[2] = &b.fish(2);
        }
        int counts[3][game::kGroupCount] = {};
        int incomes[3] = {};
        for (int n = 1; n <= game::kShareCount; ++n) {
            const int o = b.owner[static_cast<std::size_t>(n)];
            if (o < 0 || o > 2) return false;
            const game::Share& sh = game::share(n);
            if (markers_[n]->fillColor != (o == 0 ? game::kUnownedGrey : tokens_[o]->fillColor)) return false;
            ++counts[o][static_cast<int>(sh.group)];
            incomes[o] += sh.income();
        }
        for (int seat : {1, 2}) {
            for (int g = 0; g < game::kGroupCount; ++g)
                if (b.counter(seat, static_cast<game::Group>(g)) != counts[seat][g]) return false;
            if (b.income(seat) != incomes[seat]) return false;
        }
        return true;
    }

    const game::Control* markers_[game::kShareCount + 1] = {};
    const game::Control* tokens_[3] = {};

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }
    std::string where() const { return "step " + std::to_string(step_) + " after \"" + last_ + "\": "; }

    // Buttons are what moves a game on: they are pressed more often than
    // squares, labels and menu items are clicked.
    const Action& choose(const std::vector<Action>& actions) {
        if (chance(0.7)) {
            std::vector<const Action*> buttons;
            for (const Action& a : actions)
                if (a.type == Action::Click && a.control->kind == game::Kind::Button) buttons.push_back(&a);
            if (!buttons.empty()) return *buttons[static_cast<std::size_t>(pick(static_cast<int>(buttons.size())))];
        }
        return actions[static_cast<std::size_t>(pick(static_cast<int>(actions.size())))];
    }

    // Enough draws and answers for any one step, freshly random each time.
    void feed() {
        h_.random.values.clear();
        for (int i = 0; i < 12; ++i)
            h_.random.values.push_back(std::uniform_real_distribution<float>(0.0f, 0.9999f)(rng_));
        h_.dialogs.answers.clear();
        for (int i = 0; i < 4; ++i) h_.dialogs.answers.push_back(chance(0.85) ? game::Answer::Yes : game::Answer::No);
    }

    // A side window whose model is still an empty placeholder offers no way
    // back to the board; such windows are left unopened.
    bool placeholder(game::Form& f) { return f.controls().empty(); }

    bool opensPlaceholder(const std::string& control) {
        game::Game& g = h_.game;
        if (control == "karta14") return placeholder(g.bank());
        if (control == "rul1" || control == "rul2") return placeholder(g.ruletka());
        if (control == "hel") return placeholder(g.help1());
        if (control == "op") return placeholder(g.helpprog());
        if (control == "open") return placeholder(g.openMuz());
        return false;
    }

    // What a window offers, worked out once: the controls a player can act
    // on, and for each the click-taking controls lying over its centre.
    struct Layout {
        struct Entry {
            const game::Control* control;
            std::vector<const game::Control*> over;
        };
        std::vector<Entry> entries;
        std::vector<const game::Control*> menu;
    };

    Layout& layout(game::Form& f) {
        for (auto& [form, l] : layouts_)
            if (form == &f) return l;
        layouts_.emplace_back(&f, Layout{});
        Layout& l = layouts_.back().second;
        for (const auto& c : f.controls()) {
            if (c->kind == game::Kind::MenuItem) {
                if (!opensPlaceholder(c->name)) l.menu.push_back(c.get());
                continue;
            }
            if (!c->takesClicks() || opensPlaceholder(c->name)) continue;
            Layout::Entry e{c.get(), {}};
            const int cx = c->left + c->width / 2, cy = c->top + c->height / 2;
            for (const auto& o : f.controls())
                if (o.get() != c.get() && o->takesClicks() && o->z > c->z && cx >= o->left &&
                    cx < o->left + o->width && cy >= o->top && cy < o->top + o->height)
                    e.over.push_back(o.get());
            l.entries.push_back(std::move(e));
        }
        return l;
    }

    std::vector<Action> candidates() {
        std::vector<Action> out;
        out.reserve(64);
        for (const char* formName : game::Game::kFormNames) {
            game::Form* f = h_.game.existing(formName);
            if (!f || !f->visible() || !f->enabled()) continue;
            Layout& l = layout(*f);
            for (const Layout::Entry& e : l.entries) {
                const game::Control* c = e.control;
                if (!c->visible || !c->enabled) continue;
                bool covered = false;
                for (const game::Control* o : e.over) covered = covered || o->visible;
                if (covered) continue;
                if (c->kind == game::Kind::TextBox) {
                    if (!c->readOnly) out.push_back({Action::Type, formName, c});
                } else if (c->kind == game::Kind::ComboBox || c->kind == game::Kind::ListBox) {
                    out.push_back({Action::Choose, formName, c});
                } else {
                    out.push_back({Action::Click, formName, c});
                }
            }
            const bool board = f == &h_.game.torgal();
            for (const game::Control* m : l.menu) {
                if (!m->enabled || !m->visible) continue;
                if (m->name == "exit" && !chance(0.02)) continue;
                out.push_back({Action::Menu, formName, m});
            }
            if (board) {
                if (chance(0.002)) out.push_back({Action::Close, formName, nullptr});
            } else if (f->hasCloseBox && f->name() != "start" && f->name() != "welcome") {
                out.push_back({Action::Close, formName, nullptr});
            }
        }
        return out;
    }

    void perform(const Action& a) {
        const std::string control = a.control ? a.control->name : std::string();
        last_ = std::string(a.form) + "." + control;
        switch (a.type) {
        case Action::Click: h_.game.click(a.form, control); break;
        case Action::Menu: h_.game.menu(control); break;
        case Action::Type: {
            static const char* const texts[] = {"", "0", "1", "100", "500", "999", "1000", "5000", "-5",
                                                "abc", "12.5", "99999999999", "2", "3", "1e3"};
            const std::string text = texts[pick(static_cast<int>(std::size(texts)))];
            last_ += " \"" + text + "\"";
            h_.game.type(a.form, control, text);
            break;
        }
        case Action::Choose: {
            const int n = static_cast<int>(a.control->items.size());
            h_.game.choose(a.form, control, pick(n + 1) - 1);
            break;
        }
        case Action::Close:
            last_ = std::string("close ") + a.form;
            h_.game.close(a.form);
            break;
        }
    }

    std::vector<std::pair<game::Form*, Layout>> layouts_;
    Harness h_;
    std::mt19937 rng_;
    bool computer_;
    int step_ = 0;
    bool ended_ = false;
    std::string last_ = "set-up";
};

void playMany(bool computer, unsigned firstSeed, int games, int steps) {
    int ended = 0;
    for (int i = 0; i < games; ++i) {
        const unsigned seed = firstSeed + static_cast<unsigned>(i);
        RandomGame g(seed, computer);
        const std::string fault = g.play(steps);
        ASSERT_EQ(fault, "") << "seed " << seed << (computer ? " against the computer" : " between two people");
        if (g.ended()) ++ended;
    }
    ::testing::Test::RecordProperty("ended", ended);
    if (std::getenv("RANDOM_PLAY_STATS")) std::printf("%d of %d games ended\n", ended, games);
}

TEST(RandomPlay, gamesAgainstTheComputerKeepTheOwnershipInvariants) { playMany(true, 1000, 800, 100); }

TEST(RandomPlay, gamesBetweenTwoPeopleKeepTheOwnershipInvariants) { playMany(false, 50000, 800, 100); }

}  // namespace
