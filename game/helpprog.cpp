#include "game/helpprog.h"

#include "game/game.h"

namespace game {

Helpprog::Helpprog(Game& game) : Form(game, "helpprog") {
    title = "О программе...";
    clientWidth = 6285;
    clientHeight = 3210;

    Control& image = add("Image1", Kind::Picture, 120, 120, 3585, 3000);
    image.picture = "about.png";  // stretched to fill the control

    Control& about = add("Label1", Kind::Label, 3840, 120, 2295, 2415);
    about.caption =
        "Торгалия города Медноярска, версия 3.0.\n\n"
        "Игру написала небольшая команда энтузиастов настольных игр.\n\n"
        "Приятной игры!";
    about.wordWrap = true;
    about.font.family = "Comic Sans MS";
    about.font.points = 12;

    Control& close = add("Command1", Kind::Button, 4320, 2640, 1335, 495);
    close.caption = "Закрыть";
    close.font.family = "Times New Roman";
    close.font.points = 11.25;
    close.font.bold = true;
    close.tabIndex = 0;
    keepDesign();
}

void Helpprog::enableBoard() {
    // The board opened this window, so it exists; a lookup never creates one.
    if (Form* board = game().existing("torgal")) board->setEnabled(true);
}

void Helpprog::Command1_Click() {
    enableBoard();
    hide();
}

void Helpprog::Form_Unload() { enableBoard(); }

void Helpprog::closeBox() {
    Form_Unload();
    unload();
}

bool Helpprog::click(const std::string& control) {
    if (control != "Command1") return false;  // the picture and the text have no click event
    Command1_Click();
    return true;
}

}  // namespace game
