#include "game/ruletka.h"

#include "game/board.h"
#include "game/game.h"
#include "game/money.h"
#include "game/numconv.h"

namespace game {

namespace {

const char* const kEasy = "Лёгкий";
const char* const kHard = "Сложный";

}  // namespace

Ruletka::Ruletka(Game& game) : Form(game, "ruletka") {
    title = "Рулетка";
    clientWidth = 3495;
    clientHeight = 3765;

    addDesigned({
        {"Label1", Kind::Label, "Число (от    до    ):", 240, 480, 2175, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"Label2", Kind::Label, "Ставка:", 240, 960, 975, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"zagchis", Kind::TextBox, "", 2520, 480, 495, 375, 0x800080, makeFont("Arial", 12)},
        {"stawka", Kind::TextBox, "", 1320, 960, 975, 375, 0x800080, makeFont("Arial", 14.25)},
        {"Label3", Kind::Label, "Уровень:", 240, 1560, 1095, 375, 0x8000, makeFont("Arial", 12, true, true)},
        {"urowen", Kind::ComboBox, "", 1440, 1440, 1695, 450, 0x800080, makeFont("Arial", 14.25)},
        {"Command1", Kind::Button, "ОК", 1080, 2160, 1335, 495, kSysButtonText, makeFont("Arial", 14.25)},
        {"Command2", Kind::Button, "Отмена", 1080, 2760, 1335, 495, kSysButtonText, makeFont("Arial", 14.25)},
    });
    find("urowen")->items = {kEasy, kHard};
    find("Command2")->isCancel = true;

    // The range label follows the level as it is chosen.
    addTimer("Timer1", 1, true);

    addVar("drawn", drawn);
    addVar("guess", guess);
    addVar("stake", stake);
    addVar("cash", cash);
    keepDesign();
}

int Ruletka::playingSeat() const {
    const Form* board = game().existing("torgal");
    const Control* rul1 = board ? board->find("rul1") : nullptr;
    return rul1 && rul1->visible ? 1 : 2;
}

bool Ruletka::click(const std::string& control) {
    if (control == "Command1") Command1_Click();
    else if (control == "Command2") Command2_Click();
    return true;
}

void Ruletka::listChanged(const std::string& control) {
    if (control == "urowen") showRange();
}

void Ruletka::closeBox() { Form_Unload(); }

void Ruletka::showRange() {
    const std::string& level = find("urowen")->caption;
    if (level == kEasy) find("Label1")->caption = "Число(от 1 до 3)";
    if (level == kHard) find("Label1")->caption = "Число(от 1 до 5)";
}

void Ruletka::failure() { game().msgBox("Ошибка в программе!", "Ошибка", StyleInformation); }

void Ruletka::writeBack() {
    Board& board = game().torgal();
    const int seat = playingSeat();
    board.seatControl("mon", seat).caption = num(cash);
    board.money(seat) = cash;
}

void Ruletka::Command1_Click() {
    Board& board = game().torgal();
    const std::string level = find("urowen")->caption;
    auto refuse = [this](const char* text) { game().msgBox(text, "Ошибка", StyleInformation); };

    if (level.empty()) return refuse("Выберите уровень сложности!");
    if (find("zagchis")->caption.empty()) return refuse("Загадайте число!");
    if (find("stawka")->caption.empty()) return refuse("Сделайте ставку!");

    const auto cashRead = toInt32(board.seatControl("mon", playingSeat()).caption);
    if (!cashRead) return failure();
    cash = *cashRead;
    const auto stakeRead = toInt32(find("stawka")->caption);
    if (!stakeRead) return failure();
    stake = *stakeRead;
    if (stake > cash) return refuse("У вас нет столько денег!");
    if (stake < 1) return refuse("Нельзя ставить денег меньше 1!");
    const auto guessRead = toInt16(find("zagchis")->caption);
    if (!guessRead) return failure();
    guess = *guessRead;

    // The number is drawn before the guess is tested: a refused guess
    // still uses up one random number.
    const bool easy = level == kEasy;
    const int top = easy ? 3 : 5;
    int d = static_cast<int>(game().rnd() * static_cast<float>(top) + 1.0f);
    if (d < 1) d = 1;
    if (d > top) d = top;
    drawn = static_cast<std::int16_t>(d);
    if (guess > top || guess < 1)
        return refuse(easy ? "Число может быть только от 1 до 3!" : "Число может быть только от 1 до 5!");

    // A win must leave the cash inside the 32-bit range; otherwise the play
    // is refused before the stake is taken, so no money is lost to it. A
    // loss only takes the stake, which the cash covers: it is always played.
    const bool won = drawn == guess;
    const int factor = level == kEasy ? 3 : level == kHard ? 5 : 0;
    if (won && !fits32(static_cast<std::int64_t>(cash) - stake + static_cast<std::int64_t>(stake) * factor))
        return failure();

    cash -= stake;
    writeBack();
    if (won) {
        game().msgBox("Вы выиграли!", "Победа", StyleExclamation);
        cash = static_cast<std::int32_t>(static_cast<std::int64_t>(cash) + static_cast<std::int64_t>(stake) * factor);
    } else {
        game().msgBox("Вы проиграли!", "Поражение", StyleExclamation);
    }
    writeBack();

    board.setEnabled(true);
    hide();
    board.find("rul1")->visible = false;
    board.find("rul2")->visible = false;
}

void Ruletka::Command2_Click() {
    game().torgal().setEnabled(true);
    hide();
}

void Ruletka::Form_Unload() {
    game().torgal().setEnabled(true);
    hide();
    unload();
}

}  // namespace game
