#pragma once
// The roulette window `ruletka`: the player on the roulette square picks a
// level, guesses a number and stakes money from his cash. The stake is
// taken; a right guess pays three times the stake at the easy level and
// five times at the hard one. A completed play hides both roulette buttons
// of the board, so the roulette is played once per landing.

#include <cstdint>

#include "game/form.h"

namespace game {

class Ruletka : public Form {
public:
    explicit Ruletka(Game& game);

    std::int16_t drawn = 0;  // the number drawn
    std::int16_t guess = 0;  // the number guessed
    std::int32_t stake = 0;
    std::int32_t cash = 0;   // working copy of the playing seat's cash

    // Seat 1 when the board's `rul1` is visible, else seat 2.
    int playingSeat() const;

    // "ОК": one play.
    void Command1_Click();
    // "Отмена" (Esc): the board takes input again; the window hides.
    void Command2_Click();
    // The close box: as "Отмена", and the window is unloaded.
    void Form_Unload();
    // The range label follows the level.
    void showRange();

    bool click(const std::string& control) override;
    void listChanged(const std::string& control) override;
    void closeBox() override;

private:
    // Writes the working cash into the playing seat's cash label and cash.
    void writeBack();
    void failure();
};

}  // namespace game
