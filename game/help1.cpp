#include "game/help1.h"

#include <initializer_list>

#include "game/board.h"
#include "game/game.h"

namespace game {

namespace {

struct Topic {
    const char* name;
    const char* caption;
    int left, top, width, height;
    int z;         // stacking: higher lies over lower
    bool visible;  // at design
};

// The topic labels. Their stacking matters where they overlap: each list
// covers the rules level ("Кнопки", "Клетки"), which covers "Цель игры" and
// "Правила".
constexpr Topic kTopics[] = {
    {"zel", "Цель игры", 1200, 1080, 1575, 495, 2, true},
    {"prawila", "Правила", 1200, 1560, 1575, 495, 3, true},
    {"opt", "Настройки", 1200, 2040, 1575, 495, 4, true},
    {"mus", "Музыка", 1200, 2520, 1575, 495, 5, true},
    {"awtor", "Об авторе", 1200, 3000, 1575, 495, 6, true},
    {"wib1", "Кнопки", 600, 1080, 2655, 495, 10, false},
    {"wib2", "Клетки", 600, 1560, 2655, 495, 11, false},
    {"kn1", "Кнопка <сходить>", 600, 1080, 2655, 495, 13, false},
    {"kn2", "Кнопка <купить>", 600, 1560, 2655, 495, 12, false},
    {"kn3", "Кнопка <выкупить акцию>", 600, 2040, 2655, 975, 7, false},
    {"kn4", "Кнопка <продать>", 600, 2880, 2655, 495, 8, false},
    {"kn5", "Кнопка <Конец хода>", 360, 3360, 3135, 495, 14, false},
    {"kl1", "Клетка <Сообщение>", 480, 1080, 3015, 495, 15, false},
    {"kl2", "Клетка <Милиция>", 480, 1560, 3015, 495, 16, false},
    {"kl3", "Клетка <Медьбанк>", 360, 2040, 3255, 495, 17, false},
    {"kl4", "Клетка <Рулетка>", 480, 2520, 3015, 495, 18, false},
    {"kl5", "Клетка <Налоги>", 480, 3000, 3015, 495, 19, false},
    {"kl6", "Клетка <Рынок>", 480, 3480, 3015, 495, 20, false},
};
constexpr int kTitleZ = 1;
constexpr int kTextZ = 21;      // over every label
constexpr int kButtonsZ = 22;   // Command1; each "Назад" one higher than the one before

struct TopicText {
    const char* label;
    const char* text;
};

// The texts as the game has always shown them, misprints and all. In the
// texts of "kn1" and "kl1" the first letter of "Cходить" and "Cообщение" is
// the Latin capital C.
const TopicText kTexts[] = {
    {"zel", "Цель игры захватить город Медноярск, т.е. купить все акции крупных предприятий, магазинов и т.п., и обанкротить соперника."},
    {"opt", "Настроек у этой игры очень мало, а точнее одна. В меню игры есть кнопка <выводить сообщения>. Нажав её пропадёт галочка и перестанут появляться сообщения о штрафе, тюрьме и т.п. Если нажать ещё раз, то галочка появиться и будут все сообщения."},
    {"mus", "Чтобы слушать музыку во время игры, вы можете открыть имеющиеся на компе файлы или выбрать один из предложеных track'ов"},
    {"kn1", "Нажав кнопку <Cходить> вы перемещаетесь на кол-во клеток вперёд, сколько выпало на кубике."},
    {"kn2", "Если вы стоите на клетке с акцией и эта акция никем ещё не куплена, то вы нажав кнопку <купить> можете приобрести эту акцию. При этом ваш доход увеличится на 10% от стоимости жтой акции. Этот доход вы будете получать при переходе через круг."},
    {"kn3", "Когда вы играете с компьютером вы можете выкупить у него акцию(нажать на кнопку <выкупить акцию> затем на акцию, которую желаете выкупить), но это будет стоить в 2 раза дороже."},
    {"kn4", "Чтобы продать акцию вам необходимо нажать на кнопку <продать>, затем на акцию, которую желаете продать(только на свою)."},
    {"kn5", "Этой кнопкой вы заканчиваете свой ход, передавая ход другому игроку."},
    {"kl1", "Попав на клетку <Cообщение> вы получаете сообщение, при котором изменяется ваш счёт."},
    {"kl2", "Попав на клетку <Милиция> вы пропускаете 1 ход."},
    {"kl3", "Щёлкнув на клетку <Медьбанк> вы попадаете в банк, где можете взять деньги взаймы или положить деньги под проценты. Процент кредита составляет 5%, процент вклада - 2%. Взаймы можно брать денег только до 1000$. Долг в банке не должен привышать 5000$."},
    {"kl4", "Попав на клетку <Рулетка> у вас есть возможность сыграть 1 раз в рулетку, нажав на появившеюся кнопку <Сыграть в рулетку>. Правила рулетки просты: вам необходимо выбрать уровень сложности игры, затем набрать загаданное число и сделать ставку. При выигрыше в лёгком уровне сложности вы получаете сумму, превосходящую ставку в 3 раза, в сложном в 5 раз."},
    {"kl5", "Попав на клетку <Налоги> вы выплачиваете сумму равную доходу."},
    {"kl6", "Попав на клетку <Рынок> вы можете купить 1 неприобретённую акцию."},
    {"awtor", "Эту игру написала небольшая команда энтузиастов, любящих настольные игры. "
              "Мы хотели сделать простую и весёлую игру про торговлю в городе Медноярске, "
              "в которую можно сыграть вдвоём или с компьютером. Приятной игры!"},
};

}  // namespace

Help1::Help1(Game& game) : Form(game, "help1") {
    title = "Справка";
    clientWidth = 3885;
    clientHeight = 4860;
    backColor = 0xFFFF;

    Control& heading = add("Label1", Kind::Label, 1080, 240, 1815, 495);
    heading.caption = "Справка";
    heading.z = kTitleZ;
    heading.foreColor = 0x800000;
    heading.backColor = 0xFFFF;
    heading.font.family = "Arial";
    heading.font.points = 20.25;
    heading.font.bold = true;
    heading.font.italic = true;

    Font topicFont;
    topicFont.family = "Comic Sans MS";
    topicFont.points = 14.25;
    topicFont.bold = true;
    topicFont.underline = true;
    for (const Topic& t : kTopics) {
        Control& l = add(t.name, Kind::Label, t.left, t.top, t.width, t.height);
        l.caption = t.caption;
        l.z = t.z;
        l.visible = t.visible;
        l.foreColor = 0x8000;
        l.backColor = 0xFFFF;
        l.font = topicFont;
        l.align = Align::Centre;
        l.wordWrap = true;  // "Кнопка <выкупить акцию>" takes two lines
        l.questionCursor = true;
    }

    Control& text = add("Text1", Kind::TextBox, 360, 960, 3255, 3015);
    text.z = kTextZ;
    text.visible = false;
    text.multiLine = true;
    text.wordWrap = true;
    text.scrollBar = true;
    text.readOnly = true;
    text.foreColor = 0x8000;
    text.backColor = 0xFFFF;
    text.font.family = "Arial";
    text.font.points = 9.75;
    text.tabIndex = 0;

    Font buttonFont;
    buttonFont.family = "Arial";
    buttonFont.points = 11.25;
    buttonFont.bold = true;
    const char* const buttons[] = {"Command1", "Command2", "Command3", "Command4"};
    for (int i = 0; i < 4; ++i) {
        Control& b = add(buttons[i], Kind::Button, 1200, 4200, 1575, 495);
        b.caption = i == 0 ? "Закрыть" : "Назад";
        b.z = kButtonsZ + i;
        b.visible = i == 0;
        b.font = buttonFont;
        // A covered button keeps its place in the keyboard focus order.
        b.tabIndex = 1 + i;
    }
    keepDesign();
}

std::string Help1::topicText(const std::string& label) {
    for (const TopicText& t : kTexts)
        if (label == t.label) return t.text;
    return {};
}

void Help1::showTopic(const std::string& label, const char* backButton) {
    Control& text = *find("Text1");
    text.caption = topicText(label);
    text.visible = true;
    find(backButton)->visible = true;
}

void Help1::setShown(std::initializer_list<const char*> controls, bool on) {
    for (const char* name : controls) find(name)->visible = on;
}

void Help1::enableBoard() {
    // The board opened this window, so it exists; looking it up rather than
    // creating it keeps a stray close from loading a board of its own.
    if (Form* board = game().existing("torgal")) board->setEnabled(true);
}

// Top-level texts come back with Command2.
void Help1::zel_Click() { showTopic("zel", "Command2"); }
void Help1::opt_Click() { showTopic("opt", "Command2"); }
void Help1::mus_Click() { showTopic("mus", "Command2"); }
void Help1::awtor_Click() { showTopic("awtor", "Command2"); }

void Help1::prawila_Click() {
    // "Цель игры" and "Правила" stay visible, covered by the two new labels.
    setShown({"wib1", "wib2"}, true);
    setShown({"awtor", "mus", "opt"}, false);
    setShown({"Command2"}, true);
}

void Help1::wib1_Click() {
    setShown({"kn1", "kn2", "kn3", "kn4", "kn5"}, true);
    setShown({"Command3"}, true);
}

void Help1::wib2_Click() {
    setShown({"kl1", "kl2", "kl3", "kl4", "kl5", "kl6"}, true);
    setShown({"Command3"}, true);
}

// List texts come back with Command4.
void Help1::kn1_Click() { showTopic("kn1", "Command4"); }
void Help1::kn2_Click() { showTopic("kn2", "Command4"); }
void Help1::kn3_Click() { showTopic("kn3", "Command4"); }
void Help1::kn4_Click() { showTopic("kn4", "Command4"); }
void Help1::kn5_Click() { showTopic("kn5", "Command4"); }
void Help1::kl1_Click() { showTopic("kl1", "Command4"); }
void Help1::kl2_Click() { showTopic("kl2", "Command4"); }
void Help1::kl3_Click() { showTopic("kl3", "Command4"); }
void Help1::kl4_Click() { showTopic("kl4", "Command4"); }
void Help1::kl5_Click() { showTopic("kl5", "Command4"); }
void Help1::kl6_Click() { showTopic("kl6", "Command4"); }

void Help1::Command1_Click() {
    enableBoard();
    hide();  // keeps the level and text for the next opening
}

// Serves both a top-level text and the rules level: the result is the top level.
void Help1::Command2_Click() {
    setShown({"Text1", "Command2", "wib1", "wib2"}, false);
    setShown({"awtor", "mus", "opt"}, true);
}

// Uncovers the rules level with its Command2.
void Help1::Command3_Click() {
    setShown({"kn1", "kn2", "kn3", "kn4", "kn5", "kl1", "kl2", "kl3", "kl4", "kl5", "kl6", "Command3"}, false);
}

// Uncovers the list with its Command3; Text1 keeps its text while hidden.
void Help1::Command4_Click() { setShown({"Text1", "Command4"}, false); }

void Help1::Form_Unload() { enableBoard(); }

void Help1::closeBox() {
    Form_Unload();
    unload();  // the next opening starts again at the top level
}

bool Help1::click(const std::string& control) {
    using Handler = void (Help1::*)();
    static const struct {
        const char* name;
        Handler handler;
    } handlers[] = {
        {"zel", &Help1::zel_Click},         {"prawila", &Help1::prawila_Click}, {"opt", &Help1::opt_Click},
        {"mus", &Help1::mus_Click},         {"awtor", &Help1::awtor_Click},     {"wib1", &Help1::wib1_Click},
        {"wib2", &Help1::wib2_Click},       {"kn1", &Help1::kn1_Click},         {"kn2", &Help1::kn2_Click},
        {"kn3", &Help1::kn3_Click},         {"kn4", &Help1::kn4_Click},         {"kn5", &Help1::kn5_Click},
        {"kl1", &Help1::kl1_Click},         {"kl2", &Help1::kl2_Click},         {"kl3", &Help1::kl3_Click},
        {"kl4", &Help1::kl4_Click},         {"kl5", &Help1::kl5_Click},         {"kl6", &Help1::kl6_Click},
        {"Command1", &Help1::Command1_Click}, {"Command2", &Help1::Command2_Click},
        {"Command3", &Help1::Command3_Click}, {"Command4", &Help1::Command4_Click},
    };
    for (const auto& h : handlers)
        if (control == h.name) {
            (this->*h.handler)();
            return true;
        }
    return false;  // the title and the text box have no click event
}

}  // namespace game
