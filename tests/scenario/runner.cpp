#include "scenario/runner.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "game/bank.h"
#include "game/board.h"
#include "game/form.h"
#include "game/help1.h"
#include "game/helpprog.h"
#include "game/openmuz.h"
#include "game/ruletka.h"
#include "game/game.h"
#include "game/shares.h"
#include "support/scripted_ports.h"

namespace scenario {

namespace {

using testing_support::ScriptError;

// A line that fails the scenario.
struct Fail : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Token {
    std::string text;
    bool quoted = false;
};

std::vector<Token> tokenize(const std::string& line) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        Token t;
        if (line[i] == '"') {
            t.quoted = true;
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    t.text += line[i + 1];
                    i += 2;
                } else if (line[i] == '"') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    t.text += line[i++];
                }
            }
            if (!closed) throw Fail("a quoted text is not closed");
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') t.text += line[i++];
        }
        out.push_back(t);
    }
    return out;
}

bool isFormName(const std::string& s) {
    for (const char* n : game::Game::kFormNames)
        if (s == n) return true;
    return false;
}

std::string quote(const std::string& s) { return "\"" + s + "\""; }

std::string colourText(game::Colour c) {
    std::ostringstream os;
    os << "&H" << std::uppercase << std::hex << c;
    return os.str();
}

long long parseNumber(const std::string& s) {
    if (s.size() > 2 && (s[0] == '&') && (s[1] == 'H' || s[1] == 'h')) {
        char* end = nullptr;
        const unsigned long long v = std::strtoull(s.c_str() + 2, &end, 16);
        if (*end != '\0') throw Fail("not a number: " + s);
        return static_cast<long long>(v);
    }
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0') throw Fail("not a number: " + s);
    return v;
}

double parseReal(const std::string& s) {
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0') throw Fail("not a number: " + s);
    return v;
}

bool parseYesNo(const std::string& s) {
    if (s == "yes") return true;
    if (s == "no") return false;
    throw Fail("expected yes or no, found " + s);
}

std::string yesNo(bool b) { return b ? "yes" : "no"; }

class Runner {
public:
    explicit Runner(bool silent) : h_(silent), silent_(silent) {}

    void step(const std::vector<Token>& t) {
        const std::string& verb = t[0].text;
        if (verb == "edition") throw Fail("'edition' must be the first line");
        if (verb == "expect") return expect(t);
        if (verb == "rnd") return queueRandom(parseReal(arg(t, 1)));
        if (verb == "die") return queueRandom((static_cast<double>(parseNumber(arg(t, 1))) - 0.5) / 6.0);
        if (verb == "event") return queueRandom((static_cast<double>(parseNumber(arg(t, 1))) - 0.5) / 20.0);
        if (verb == "drawn") {
            const double k = static_cast<double>(parseNumber(arg(t, 2)));
            if (k <= 0) throw Fail("drawn needs a positive range");
            return queueRandom((static_cast<double>(parseNumber(arg(t, 1))) - 0.5) / k);
        }
        if (verb == "answer") {
            const std::string& a = arg(t, 1);
            if (a == "Yes") h_.dialogs.answers.push_back(game::Answer::Yes);
            else if (a == "No") h_.dialogs.answers.push_back(game::Answer::No);
            else throw Fail("answer takes Yes or No, found " + a);
            return;
        }
        if (verb == "set") return setVar(arg(t, 1), t.size() > 2 ? t[2] : throw Fail("set needs a value"));
        if (verb == "give") return give(parseNumber(arg(t, 1)), parseNumber(arg(t, 2)));

        // Events from here on: none may come after an ending.
        static const char* const events[] = {"click", "menu", "type", "choose", "close", "tick", "start"};
        bool isEvent = false;
        for (const char* e : events) isEvent = isEvent || verb == e;
        if (!isEvent) throw Fail("unknown verb '" + verb + "'");
        if (h_.game.ended()) throw Fail("'" + verb + "' after the program has ended");
        if (verb == "click") return click(arg(t, 1));
        if (verb == "menu") return menu(arg(t, 1));
        if (verb == "type") return type(arg(t, 1), arg(t, 2));
        if (verb == "choose") return choose(arg(t, 1), arg(t, 2));
        if (verb == "close") return close(arg(t, 1));
        if (verb == "tick") return tick(arg(t, 1));
        if (verb == "start") {
            if (t.size() != 6) throw Fail("start takes two names, a kind and two colours");
            tick("welcome.Timer1");
            type("start.Text1", t[1].text);
            type("start.Text2", t[2].text);
            choose("start.im2", t[3].text);
            tick("start.Timer1");
            choose("start.zw1", t[4].text);
            choose("start.zw2", t[5].text);
            click("start.Command1");
            tick("torgal.Timer1");
            return;
        }
    }

private:
    static const std::string& arg(const std::vector<Token>& t, std::size_t i) {
        if (i >= t.size()) throw Fail("'" + t[0].text + "' is missing an argument");
        return t[i].text;
    }

    void queueRandom(double v) {
        if (!(v >= 0.0 && v < 1.0)) throw Fail("a random value must lie in [0, 1)");
        h_.random.values.push_back(static_cast<float>(v));
    }

    // The window of a form name; side windows are created on first use, as
    // any use of them does in the game; the board only by the game itself.
    game::Form* form(const std::string& name, bool mustExist) {
        if (!isFormName(name)) throw Fail("unknown window '" + name + "'");
        game::Game& g = h_.game;
        if (game::Form* f = g.existing(name)) return f;
        if (name == "torgal" || name == "start" || name == "welcome") {
            if (mustExist) throw Fail("window " + name + " is not loaded yet");
            return nullptr;
        }
        if (name == "bank") return &g.bank();
        if (name == "ruletka") return &g.ruletka();
        if (name == "help1") return &g.help1();
        if (name == "helpprog") return &g.helpprog();
        return &g.openMuz();
    }

    struct Ref {
        game::Form* form;
        game::Control* control;
        std::string formName, name;
    };

    Ref control(const std::string& full) {
        std::string formName = "torgal", name = full;
        const auto dot = full.find('.');
        if (dot != std::string::npos) {
            formName = full.substr(0, dot);
            name = full.substr(dot + 1);
        }
        game::Form* f = form(formName, true);
        game::Control* c = f->find(name);
        if (!c) throw Fail("unknown control '" + full + "'");
        return {f, c, formName, name};
    }

    void usable(const Ref& r, const std::string& what) {
        if (!r.form->visible()) throw Fail("cannot " + what + " " + r.name + ": window " + r.formName + " is hidden");
        if (!r.form->enabled()) throw Fail("cannot " + what + " " + r.name + ": window " + r.formName + " is disabled");
        if (!r.control->visible) throw Fail("cannot " + what + " " + r.name + ": it is hidden");
        if (!r.control->enabled) throw Fail("cannot " + what + " " + r.name + ": it is disabled");
    }

    void click(const std::string& full) {
        Ref r = control(full);
        if (r.control->kind == game::Kind::MenuItem) throw Fail(full + " is a menu item: use 'menu'");
        usable(r, "click");
        if (r.form->coveredAtCentre(*r.control))
            throw Fail("cannot click " + r.name + ": it lies under another control");
        if (!h_.game.click(r.formName, r.name)) throw Fail("unknown control '" + full + "'");
    }

    void menu(const std::string& item) {
        game::Form* board = form("torgal", true);
        game::Control* c = board->find(item);
        if (!c || c->kind != game::Kind::MenuItem) throw Fail("unknown menu item '" + item + "'");
        if (!board->visible()) throw Fail("cannot choose " + item + ": the board is hidden");
        if (!board->enabled()) throw Fail("cannot choose " + item + ": the board is disabled");
        for (game::Control* m = c; m; m = m->parentMenu.empty() ? nullptr : board->find(m->parentMenu))
            if (!m->enabled || !m->visible) throw Fail("cannot choose " + item + ": it is greyed");
        h_.game.menu(item);
    }

    void type(const std::string& full, const std::string& text) {
        Ref r = control(full);
        if (r.control->kind != game::Kind::TextBox) throw Fail(full + " is not a text box");
        usable(r, "type into");
        h_.game.type(r.formName, r.name, text);
    }

    void choose(const std::string& full, const std::string& item) {
        Ref r = control(full);
        if (r.control->kind != game::Kind::ComboBox && r.control->kind != game::Kind::ListBox)
            throw Fail(full + " is not a list");
        usable(r, "choose in");
        int index = -1;
        for (std::size_t i = 0; i < r.control->items.size(); ++i)
            if (r.control->items[i] == item) index = static_cast<int>(i);
        if (index < 0 && !item.empty()) throw Fail(full + " has no item " + quote(item));
        h_.game.choose(r.formName, r.name, index);
    }

    void close(const std::string& name) {
        game::Form* f = form(name, true);
        if (!f->visible()) throw Fail("cannot close " + name + ": it is hidden");
        if (!f->enabled()) throw Fail("cannot close " + name + ": it is disabled");
        h_.game.close(name);
    }

    void tick(const std::string& full) {
        const auto dot = full.find('.');
        if (dot == std::string::npos) throw Fail("tick takes FORM.TIMER");
        const std::string formName = full.substr(0, dot), timer = full.substr(dot + 1);
        game::Form* f = form(formName, false);
        if (!f) {
            // Not created yet: its timers are not running.
            if ((formName == "torgal" && (timer == "Timer1" || timer == "Timer2")) ||
                ((formName == "start" || formName == "welcome") && timer == "Timer1"))
                return;
            throw Fail("unknown timer '" + full + "'");
        }
        if (!f->findTimer(timer)) throw Fail("unknown timer '" + full + "'");
        h_.game.tick(formName, timer);
    }

    // ---- variables ----
    game::VarRef var(const std::string& full) {
        const auto dot = full.find('.');
        if (dot != std::string::npos) {
            game::Form* f = form(full.substr(0, dot), true);
            auto it = f->vars().find(full.substr(dot + 1));
            if (it == f->vars().end()) throw Fail("unknown variable '" + full + "'");
            return it->second;
        }
        if (game::Form* board = h_.game.existing("torgal")) {
            auto it = board->vars().find(full);
            if (it != board->vars().end()) return it->second;
        }
        auto& bankVars = h_.game.bank().vars();
        auto it = bankVars.find(full);
        if (it != bankVars.end()) return it->second;
        if (!h_.game.existing("torgal")) throw Fail("variable '" + full + "' is unknown or the board is not loaded yet");
        throw Fail("unknown variable '" + full + "'");
    }

    void setVar(const std::string& name, const Token& value) {
        const game::VarRef v = var(name);
        switch (v.type) {
        case game::VarRef::I16: {
            const long long n = parseNumber(value.text);
            if (n < -32768 || n > 32767) throw Fail(value.text + " does not fit a 16-bit variable");
            *static_cast<std::int16_t*>(v.ptr) = static_cast<std::int16_t>(n);
            break;
        }
        case game::VarRef::I32: {
            const long long n = parseNumber(value.text);
            if (n < INT32_MIN || n > INT32_MAX) throw Fail(value.text + " does not fit a 32-bit variable");
            *static_cast<std::int32_t*>(v.ptr) = static_cast<std::int32_t>(n);
            break;
        }
        case game::VarRef::Text:
            *static_cast<std::string*>(v.ptr) = value.text;
            break;
        }
    }

    std::string varText(const game::VarRef& v) {
        switch (v.type) {
        case game::VarRef::I16: return std::to_string(*static_cast<std::int16_t*>(v.ptr));
        case game::VarRef::I32: return std::to_string(*static_cast<std::int32_t*>(v.ptr));
        case game::VarRef::Text: return quote(*static_cast<std::string*>(v.ptr));
        }
        return "";
    }

    void give(long long n, long long seat) {
        if (n < 1 || n > game::kShareCount) throw Fail("give: no share " + std::to_string(n));
        if (seat < 0 || seat > 2) throw Fail("give: seat must be 1 or 2");
        game::Board& b = h_.game.torgal();
        const game::Share& s = game::share(static_cast<int>(n));
        auto& owner = b.owner[static_cast<std::size_t>(n)];
        if (owner == seat) return;
        if (owner != 0) {
            b.counter(owner, s.group) = static_cast<std::int16_t>(b.counter(owner, s.group) - 1);
            b.income(owner) = static_cast<std::int16_t>(b.income(owner) - s.income());
        }
        owner = static_cast<std::int16_t>(seat);
        if (seat == 0) {
            b.ak(static_cast<int>(n)).fillColor = game::kUnownedGrey;
            return;
        }
        const int st = static_cast<int>(seat);
        b.counter(st, s.group) = static_cast<std::int16_t>(b.counter(st, s.group) + 1);
        b.income(st) = static_cast<std::int16_t>(b.income(st) + s.income());
        b.ak(static_cast<int>(n)).fillColor = b.fish(st).fillColor;
    }

    // ---- expectations ----
    void expect(const std::vector<Token>& t) {
        const std::string& what = arg(t, 1);
        if (what == "visible") {
            Ref r = control(arg(t, 2));
            const bool want = parseYesNo(arg(t, 3));
            if (r.control->visible != want)
                throw Fail("expected " + r.name + " visible " + yesNo(want) + ", found " + yesNo(r.control->visible));
        } else if (what == "caption") {
            Ref r = control(arg(t, 2));
            const std::string& want = arg(t, 3);
            if (r.control->caption != want)
                throw Fail("expected caption of " + r.name + " " + quote(want) + ", found " + quote(r.control->caption));
        } else if (what == "colour" || what == "border") {
            Ref r = control(arg(t, 2));
            const auto want = static_cast<game::Colour>(parseNumber(arg(t, 3)));
            const game::Colour found = what == "border" ? r.control->borderColor
                                       : r.control->kind == game::Kind::Shape ? r.control->fillColor
                                                                              : r.control->foreColor;
            if (found != want)
                throw Fail("expected " + what + " of " + r.name + " " + colourText(want) + ", found " + colourText(found));
        } else if (what == "checked") {
            Ref r = control(arg(t, 2));
            const bool want = parseYesNo(arg(t, 3));
            if (r.control->value != want)
                throw Fail("expected " + r.name + " checked " + yesNo(want) + ", found " + yesNo(r.control->value));
        } else if (what == "enabled") {
            const std::string& name = arg(t, 2);
            const bool want = parseYesNo(arg(t, 3));
            bool found;
            if (isFormName(name)) {
                game::Form* f = form(name, false);
                found = f ? f->enabled() : true;
            } else {
                Ref r = control(name);
                found = r.control->enabled;
            }
            if (found != want) throw Fail("expected " + name + " enabled " + yesNo(want) + ", found " + yesNo(found));
        } else if (what == "shown") {
            const std::string& name = arg(t, 2);
            const bool want = parseYesNo(arg(t, 3));
            if (!isFormName(name)) throw Fail("unknown window '" + name + "'");
            game::Form* f = h_.game.existing(name);
            const bool found = f && f->visible();
            if (found != want) throw Fail("expected " + name + " shown " + yesNo(want) + ", found " + yesNo(found));
        } else if (what == "place") {
            Ref r = control(arg(t, 2));
            const long long left = parseNumber(arg(t, 3)), top = parseNumber(arg(t, 4));
            if (r.control->left != left || r.control->top != top)
                throw Fail("expected " + r.name + " at " + std::to_string(left) + " " + std::to_string(top) + ", found " +
                           std::to_string(r.control->left) + " " + std::to_string(r.control->top));
        } else if (what == "box") {
            const std::string& text = arg(t, 2);
            const std::string& title = arg(t, 3);
            const long long style = parseNumber(arg(t, 4));
            auto& boxes = h_.dialogs.boxes;
            if (matched_ >= boxes.size())
                throw Fail("expected box " + quote(text) + " " + quote(title) + " " + std::to_string(style) +
                           ", found no further box");
            const testing_support::Box& b = boxes[matched_];
            if (b.text != text || b.title != title || b.style != style)
                throw Fail("expected box " + quote(text) + " " + quote(title) + " " + std::to_string(style) + ", found " +
                           quote(b.text) + " " + quote(b.title) + " " + std::to_string(b.style));
            ++matched_;
        } else if (what == "nobox") {
            auto& boxes = h_.dialogs.boxes;
            if (matched_ < boxes.size()) {
                const testing_support::Box& b = boxes[matched_];
                throw Fail("expected no further box, found " + quote(b.text) + " " + quote(b.title) + " " +
                           std::to_string(b.style));
            }
        } else if (what == "music") {
            const std::string& file = arg(t, 2);
            const bool none = !t[2].quoted && file == "none";
            const auto& m = h_.music;
            const bool anyCommand = !silent_ && !m.lastCommand.empty();
            if (none) {
                if (anyCommand) throw Fail("expected no music command, found " + quote(m.fileName) + " " + m.lastCommand);
                return;
            }
            const std::string& cmd = arg(t, 3);
            if (!anyCommand) throw Fail("expected music " + quote(file) + " " + cmd + ", found no command sent");
            if (m.fileName != file || m.lastCommand != cmd)
                throw Fail("expected music " + quote(file) + " " + cmd + ", found " + quote(m.fileName) + " " +
                           m.lastCommand);
        } else if (what == "ended") {
            const bool want = parseYesNo(arg(t, 2));
            if (h_.game.ended() != want)
                throw Fail("expected ended " + yesNo(want) + ", found " + yesNo(h_.game.ended()));
        } else {
            // expect VAR VALUE
            const game::VarRef v = var(what);
            const Token& value = t.size() > 2 ? t[2] : throw Fail("expect " + what + " needs a value");
            std::string want;
            if (v.type == game::VarRef::Text) want = quote(value.text);
            else want = std::to_string(parseNumber(value.text));
            const std::string found = varText(v);
            if (found != want) throw Fail("expected " + what + " " + want + ", found " + found);
        }
    }

    testing_support::Harness h_;
    bool silent_;
    std::size_t matched_ = 0;
};

}  // namespace

Outcome runText(const std::string& text) {
    std::vector<std::string> lines;
    {
        std::istringstream in(text);
        std::string l;
        while (std::getline(in, l)) lines.push_back(l);
    }
    // The edition is chosen by the first line that is not blank or a comment.
    bool silent = false;
    std::size_t first = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto p = lines[i].find_first_not_of(" \t\r");
        if (p == std::string::npos || lines[i][p] == '#') continue;
        const std::vector<Token> t = tokenize(lines[i]);
        if (!t.empty() && t[0].text == "edition") {
            if (t.size() != 2 || (t[1].text != "silent" && t[1].text != "music"))
                return {false, static_cast<int>(i + 1), "edition takes 'silent'"};
            silent = t[1].text == "silent";
            first = i + 1;
        }
        break;
    }
    Outcome out;
    try {
        Runner r(silent);
        for (std::size_t i = first; i < lines.size(); ++i) {
            out.line = static_cast<int>(i + 1);
            const auto p = lines[i].find_first_not_of(" \t\r");
            if (p == std::string::npos || lines[i][p] == '#') continue;
            const std::vector<Token> t = tokenize(lines[i]);
            if (t.empty()) continue;
            r.step(t);
        }
    } catch (const Fail& f) {
        return {false, out.line, f.what()};
    } catch (const ScriptError& e) {
        return {false, out.line, e.what()};
    } catch (const std::exception& e) {
        return {false, out.line, std::string("the game failed: ") + e.what()};
    }
    out.passed = true;
    out.line = 0;
    return out;
}

Outcome runFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, 0, "cannot read the file"};
    std::ostringstream s;
    s << in.rdbuf();
    return runText(s.str());
}

}  // namespace scenario
