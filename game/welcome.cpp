#include "game/welcome.h"

#include "game/game.h"
#include "game/start.h"

namespace game {

Welcome::Welcome(Game& game) : Form(game, "welcome") {
    title = "Form1";
    clientWidth = 6180;
    clientHeight = 4770;
    backColor = 0xFF;
    Font comic;
    comic.family = "Comic Sans MS";
    comic.bold = true;
    comic.points = 26.25;
    Control& l1 = add("Label1", Kind::Label, 480, 1200, 5295, 2295);
    l1.caption = "Добро пожаловать В Торгалию города Медноярска ";
    l1.align = Align::Centre;
    l1.wordWrap = true;
    l1.foreColor = 0x800000;
    l1.backColor = 0xFF;
    l1.font = comic;
    Control& l2 = add("Label2", Kind::Label, 4320, 4200, 1815, 435);
    l2.caption = "version 3.0";
    l2.foreColor = 0x800000;
    l2.backColor = 0xFF;
    comic.points = 15.75;
    l2.font = comic;
    addTimer("Timer1", 1000);
    keepDesign();
}

void Welcome::Timer1_Timer() {
    hide();
    game().start().show();
    findTimer("Timer1")->enabled = false;
}

void Welcome::timerTick(const std::string& timer) {
    if (timer == "Timer1") Timer1_Timer();
}

void Welcome::closeBox() { game().endProgram(); }

}  // namespace game
