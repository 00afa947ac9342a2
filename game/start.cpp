#include "game/start.h"

#include "game/board.h"
#include "game/game.h"

namespace game {

const TokenColour kTokenColours[10] = {
    {"Белый", kSysHighlightText}, {"Серый", 0x808080},    {"Чёрный", kSysWindowText}, {"Красный", 0xFF},
    {"Оранжевый", 0x80FF},        {"Жёлтый", 0xFFFF},     {"Зелёный", 0xFF00},        {"Голубой", 0xFFFF00},
    {"Синий", 0xFF0000},          {"Фиолетовый", 0xC000C0},
};

Start::Start(Game& game) : Form(game, "start") {
    title = "Выбор игроков";
    clientWidth = 4740;
    clientHeight = 2235;

    Font heading;
    heading.bold = true;
    heading.underline = true;
    heading.points = 9.75;
    for (auto [name, caption, left] : {std::tuple{"Label1", "Имя", 480}, std::tuple{"Label2", "Игрок", 1800},
                                       std::tuple{"Label3", "Цвет", 3360}}) {
        Control& l = add(name, Kind::Label, left, 240, 1095, 255);
        l.caption = caption;
        l.foreColor = 0xFF;
        l.font = heading;
        l.transparentBack = true;
    }
    Font plain;
    plain.points = 9.75;
    auto box = [&](const char* name, Kind kind, int left, int top, int width, const char* text, Colour fore,
                   int tab) -> Control& {
        Control& c = add(name, kind, left, top, width, 315);
        c.caption = text;
        c.foreColor = fore;
        c.backColor = kSysWindow;
        c.font = plain;
        c.tabIndex = tab;
        return c;
    };
    box("Text1", Kind::TextBox, 240, 600, 1095, "Игрок 1", 0xC00000, 0);
    box("Text2", Kind::TextBox, 240, 960, 1095, "Игрок 2", 0xC00000, 1);
    box("im1", Kind::TextBox, 1440, 600, 1455, "Человек", 0x0080FF, -1).readOnly = true;
    box("im2", Kind::ComboBox, 1440, 960, 1455, "", 0x0080FF, 2).items = {"Человек", "Компьютер"};
    std::vector<std::string> colours;
    for (const auto& c : kTokenColours) colours.push_back(c.name);
    box("zw1", Kind::ComboBox, 3000, 600, 1575, "", kSysWindowText, 3).items = colours;
    box("zw2", Kind::ComboBox, 3000, 960, 1575, "", kSysWindowText, 4).items = colours;

    Control& ok = add("Command1", Kind::Button, 840, 1560, 1095, 375);
    ok.caption = "ОК";
    ok.isDefault = true;
    ok.tabIndex = 5;
    ok.font = plain;
    Control& quit = add("Command2", Kind::Button, 2760, 1560, 1095, 375);
    quit.caption = "Выход";
    quit.tabIndex = 6;
    quit.font = plain;

    // The computer's name follows the kind list as it changes.
    addTimer("Timer1", 10, true);

    addVar("cpunamed", cpunamed);
    addVar("pick2", pick2);
    keepDesign();
}

bool Start::click(const std::string& control) {
    if (control == "Command1") Command1_Click();
    else if (control == "Command2") Command2_Click();
    return true;
}

void Start::listChanged(const std::string& control) {
    if (control == "im2") nameComputer();
}

void Start::closeBox() { game().endProgram(); }

void Start::nameComputer() {
    if (cpunamed == 1) return;
    if (find("im2")->caption == "Компьютер") {
        find("Text2")->caption = "Pentium V";
        cpunamed = 1;
    }
}

void Start::colourToken(int seat, const std::string& colourName) {
    Control& token = game().torgal().fish(seat);
    for (const auto& c : kTokenColours) {
        if (colourName != c.name) continue;
        token.fillColor = c.fill;
        if (colourName == "Чёрный") token.borderColor = seat == 1 ? 0x808080 : kSysHighlightText;
        return;
    }
}

void Start::Command1_Click() {
    // The first use of the board creates it and runs its load step.
    Board& board = game().torgal();
    board.find("Label3")->caption = find("Text1")->caption;
    board.find("Label4")->caption = find("Text2")->caption;

    const std::string& kind = find("im2")->caption;
    if (kind == "Человек") pick2 = 1;
    if (kind == "Компьютер") pick2 = 2;

    if (find("im1")->caption != "Человек" || pick2 == 0) {
        game().msgBox("Выберите игроков!", "Ошибка", StyleStop);
        return;
    }
    if (find("zw1")->caption.empty()) {
        game().msgBox("Выберите цвет игрока 1!", "Ошибка", StyleStop);
        return;
    }
    if (find("zw2")->caption.empty()) {
        game().msgBox("Выберите цвет игрока 2!", "Ошибка", StyleStop);
        return;
    }
    colourToken(1, find("zw1")->caption);
    colourToken(2, find("zw2")->caption);
    if (find("zw1")->caption == find("zw2")->caption) {
        game().msgBox("Фишки игроков не могут быть одного цвета!", "Ошибка", StyleStop);
        return;
    }
    board.find("ktohod")->foreColor = board.fish(1).fillColor;

    // The start-up track.
    if (Music* mp = game().mp()) {
        mp->setFileName(Board::trackPath(0));
        mp->command("open");
        mp->command("play");
    }
    hide();
    board.show();
}

void Start::Command2_Click() { game().endProgram(); }

}  // namespace game
