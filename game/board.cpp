#include "game/board.h"

#include "game/bank.h"
#include "game/game.h"
#include "game/help1.h"
#include "game/helpprog.h"
#include "game/money.h"
#include "game/openmuz.h"
#include "game/ruletka.h"
#include "game/start.h"

namespace game {

Board::Board(Game& game) : Form(game, "torgal") {
    title = "Торгалия города Медноярска ver.3.0";
    clientWidth = 11880;
    clientHeight = 8100;

    // Stacking from the bottom up: squares, markers, tokens, die faces,
    // labels, and the seat buttons with the earlier of a pair on top.
    for (int s = 1; s <= kSquareCount; ++s) {
        Control& k = add("karta" + std::to_string(s), Kind::Picture, squareLeft(s), squareTop(s), kSquareWidth,
                         kSquareHeight);
        k.picture = "squares/karta" + std::to_string(s) + ".png";
        const int n = shareOfSquare(s);
        if (n) k.toolTip = share(n).title;
    }
    for (int n = 1; n <= kShareCount; ++n) {
        const int s = share(n).square;
        Control& m = add("ak" + std::to_string(n), Kind::Shape, squareLeft(s), squareTop(s), kSquareWidth, 285);
        m.fillColor = kUnownedGrey;
        m.borderColor = 0x000000;
    }
    for (int seat : {1, 2}) {
        Control& f = add(seat == 1 ? "fish1" : "fish2", Kind::Shape, seat == 1 ? 150 : 480, 150, 230, 230);
        f.circle = true;
        f.fillColor = 0xFFFFFF;
        f.borderColor = 0x000000;
    }
    for (int v = 1; v <= 6; ++v) {
        Control& k = add("ku" + std::to_string(v), Kind::Picture, 5400, 2760, 645, 645);
        k.picture = "dice/ku" + std::to_string(v) + ".png";
        k.visible = v == 6;
    }

    auto label = [&](const std::string& name, const std::string& caption, int left, int top, int width,
                     Colour fore, Font font) -> Control& {
        Control& l = add(name, Kind::Label, left, top, width, 375);
        l.caption = caption;
        l.foreColor = fore;
        l.font = font;
        l.transparentBack = true;
        return l;
    };
    label("Label3", "Игрок 1", 2040, 1560, 2655, kSysWindowText, makeFont("Arial", 14.25)).align = Align::Centre;
    label("Label4", "Игрок 2", 6840, 1560, 2655, kSysWindowText, makeFont("Arial", 14.25)).align = Align::Centre;
    const Font comic = makeFont("Comic Sans MS", 14.25, true, true);
    label("Label7", "Ходит:", 5160, 1800, 1095, 0x8000, comic);
    label("ktohod", "игрок", 4680, 2160, 2160, kSysWindowText, makeFont("Arial", 12)).align = Align::Centre;
    label("Label2", "Деньги:", 2040, 2160, 1275, 0x800000, makeFont("Arial", 14.25, true, true));
    label("mon1", "0", 3360, 2160, 1215, 0xC0, makeFont("Arial", 14.25));
    label("Label8", "Деньги:", 6960, 2160, 1275, 0x800000, makeFont("Arial", 14.25, true, true));
    label("mon2", "0", 8280, 2160, 1215, 0xC0, makeFont("Arial", 14.25));
    label("Label5", "Доход с акций:", 2040, 2640, 2235, 0x800000, makeFont("Arial", 14.25, true, true));
    label("dochak1", "0", 4320, 2640, 975, 0xC0, makeFont("Arial", 14.25));
    label("Label9", "Доход с акций:", 6960, 2640, 2235, 0x800000, makeFont("Arial", 14.25, true, true));
    label("dochak2", "0", 9240, 2640, 975, 0xC0, makeFont("Arial", 14.25));

    // Seat buttons, listed from the bottom of the stack to the top.
    struct Btn { const char* name; const char* caption; int top; };
    const Btn buttons[] = {
        {"close2", "Сдаться", 4200}, {"close1", "Сдаться", 4200},
        {"rul1", "Сыграть в рулетку", 6000}, {"rul2", "Сыграть в рулетку", 6000},
        {"prod1", "Продать", 4800}, {"prod2", "Продать", 4800},
        {"kup2", "Купить", 4200}, {"kup1", "Купить", 4200},
        {"sled2", "Конец хода", 3600}, {"sled1", "Конец хода", 3600},
        {"kub2", "Сходить", 3600}, {"kub1", "Сходить", 3600},
        {"wikup1", "Выкупить акцию", 5400},
    };
    for (const Btn& b : buttons) {
        Control& c = add(b.name, Kind::Button, 4440, b.top, 2415, 495);
        c.caption = b.caption;
        c.font = makeFont("Arial", 12);
        c.visible = false;
    }
    find("kub1")->isDefault = true;

    // The menu bar.
    auto item = [&](const std::string& name, const std::string& caption, const std::string& parent) -> Control& {
        Control& m = add(name, Kind::MenuItem, 0, 0, 0, 0);
        m.caption = caption;
        m.parentMenu = parent;
        return m;
    };
    item("menu", "Меню", "");
    item("options", "Настройки", "menu");
    item("wso", "Выводить сообщения", "options").value = true;
    item("exit", "Выход", "menu");
    item("musik", "Музыка", "");
    item("open", "Открыть...", "musik");
    item("nomus", "без музыки", "musik");
    for (int i = 0; i < 10; ++i) item("mtrack(" + std::to_string(i) + ")", "track" + std::to_string(i + 1), "musik");
    mtrack(0).value = true;
    // The control's button bar is not offered to the player.
    item("upr", "Управление вкл", "musik").enabled = false;
    item("help", "Справка", "");
    item("hel", "Справка", "help").shortcut = "F1";
    item("op", "О программе...          ", "help");

    addTimer("Timer1", 50);
    addTimer("Timer2", 1000);

    addVar("money1", money1);
    addVar("money2", money2);
    addVar("food1", food1);
    addVar("food2", food2);
    addVar("shops1", shops1);
    addVar("shops2", shops2);
    addVar("bazaars1", bazaars1);
    addVar("bazaars2", bazaars2);
    addVar("heavy1", heavy1);
    addVar("heavy2", heavy2);
    addVar("transport1", transport1);
    addVar("transport2", transport2);
    addVar("buyoutmode", buyoutmode);
    addVar("sellmode", sellmode);
    addVar("marketmode", marketmode);
    addVar("msgoff", msgoff);
    addVar("nameshown", nameshown);
    addVar("debtwarn1", debtwarn1);
    addVar("debtwarn2", debtwarn2);
    addVar("jail1", jail1);
    addVar("jail2", jail2);
    addVar("eventno", eventno);
    addVar("curshare", curshare);
    addVar("curprice", curprice);
    addVar("curincome", curincome);
    addVar("kind2", kind2);
    addVar("die", die);
    addVar("cpudie", cpudie);
    addVar("pos1", pos1);
    addVar("pos2", pos2);
    addVar("lap1", lap1);
    addVar("lap2", lap2);
    addVar("income1", income1);
    addVar("income2", income2);
    for (int n = 1; n <= kShareCount; ++n) addVar("owner(" + std::to_string(n) + ")", owner[static_cast<std::size_t>(n)]);

    keepDesign();
}

std::int16_t& Board::counter(int seat, Group g) {
    switch (g) {
    case Group::Food: return seat == 1 ? food1 : food2;
    case Group::Shops: return seat == 1 ? shops1 : shops2;
    case Group::Bazaars: return seat == 1 ? bazaars1 : bazaars2;
    case Group::Heavy: return seat == 1 ? heavy1 : heavy2;
    case Group::Transport: return seat == 1 ? transport1 : transport2;
    }
    return food1;
}

bool Board::capturedCity(int seat) {
    for (Group g : {Group::Food, Group::Shops, Group::Bazaars, Group::Heavy, Group::Transport})
        if (!groupFull(seat, g)) return false;
    return true;
}

Control& Board::seatControl(const char* prefix, int seat) { return *find(prefix + std::to_string(seat)); }

void Board::showMoney(int seat) { seatControl("mon", seat).caption = num(money(seat)); }

void Board::showIncome(int seat) { seatControl("dochak", seat).caption = num(income(seat)); }

void Board::showPlayer(int seat) {
    Control& k = *find("ktohod");
    k.caption = find(seat == 1 ? "Label3" : "Label4")->caption;
    k.foreColor = fish(seat).fillColor;
}

void Board::showDieFace(int value) {
    for (int v = 1; v <= 6; ++v) ku(v).visible = v == value;
}

int Board::draw(int n) {
    const float r = game().rnd();
    int v = static_cast<int>(r * static_cast<float>(n) + 1.0f);
    if (v < 1) v = 1;
    if (v > n) v = n;
    return v;
}

void Board::info(const std::string& text, const std::string& title_, int style) {
    if (msgoff != 1) game().msgBox(text, title_, style);
}

// The load step runs when the board is first used: inside the set-up
// window's first OK press, so it sees the choices as they are then.
void Board::formLoad() { Form_Load(); }

void Board::Form_Load() {
    food1 = food2 = shops1 = shops2 = bazaars1 = bazaars2 = 0;
    heavy1 = heavy2 = transport1 = transport2 = 0;
    msgoff = 0;
    money1 = 10000;
    money2 = 10000;
    const std::string im2 = game().start().find("im2")->caption;
    if (im2 == "Человек") kind2 = 1;
    if (im2 == "Компьютер") kind2 = 2;
    find("kub1")->visible = true;
    showMoney(1);
    showMoney(2);
    pos2 = 0;
    pos1 = 0;
    Control& k = *find("ktohod");
    k.caption = find("Label3")->caption;
    k.foreColor = fish(1).fillColor;
}

// Copies player 1's name once, 50 ms after the board was created, then stops.
void Board::Timer1_Timer() {
    if (nameshown == 1) {
        findTimer("Timer1")->interval = 0;
        return;
    }
    find("Label3")->caption = game().start().find("Text1")->caption;
    find("ktohod")->caption = find("Label3")->caption;
    nameshown = 1;
}

void Board::timerTick(const std::string& timer) {
    if (timer == "Timer1") Timer1_Timer();
    else if (timer == "Timer2") Timer2_Timer();
}

bool Board::click(const std::string& control) {
    static const char* const seatButtons[] = {"kub", "sled", "kup", "prod", "close", "rul"};
    for (const char* prefix : seatButtons) {
        for (int seat : {1, 2}) {
            if (control != prefix + std::to_string(seat)) continue;
            const std::string p = prefix;
            if (p == "kub") kub_Click(seat);
            else if (p == "sled") seat == 1 ? sled1_Click() : sled2_Click();
            else if (p == "kup") kup_Click(seat);
            else if (p == "prod") prod_Click(seat);
            else if (p == "close") close_Click(seat);
            else rul_Click(seat);
            return true;
        }
    }
    if (control == "wikup1") {
        wikup1_Click();
        return true;
    }
    if (control.rfind("karta", 0) == 0) {
        const int s = std::stoi(control.substr(5));
        if (s == 12) karta12_Click();
        else if (s == 14) karta14_Click();
        else if (const int n = shareOfSquare(s)) shareSquare_Click(n);
        return true;
    }
    return true;  // labels, markers, tokens and die faces have no click
}

bool Board::menuClick(const std::string& item) {
    if (item == "wso") wso_Click();
    else if (item == "exit") exit_Click();
    else if (item == "open") open_Click();
    else if (item == "nomus") nomus_Click();
    else if (item == "upr") upr_Click();
    else if (item == "hel") hel_Click();
    else if (item == "op") op_Click();
    else if (item.rfind("mtrack(", 0) == 0) mtrack_Click(std::stoi(item.substr(7)));
    return true;
}

void Board::closeBox() { Form_Unload(); }

// ---- side windows: the board disables itself and shows the window ----

void Board::karta14_Click() {
    setEnabled(false);
    game().bank().show();
}

void Board::rul_Click(int) {
    setEnabled(false);
    game().ruletka().show();
}

void Board::hel_Click() {
    setEnabled(false);
    game().help1().show();
}

void Board::op_Click() {
    setEnabled(false);
    game().helpprog().show();
}

void Board::open_Click() {
    setEnabled(false);
    game().openMuz().show();
}

}  // namespace game
