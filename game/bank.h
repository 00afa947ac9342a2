#pragma once
// The bank window `bank`: the player on turn borrows (up to a debt of
// 1000), puts money on deposit, takes it back and repays his debt. The same
// object holds the four accounts of the game, which the turns charge
// interest on and which outlive the window: closing it by its close box
// brings back the window's design contents but keeps the accounts.

#include <cstdint>

#include "game/form.h"

namespace game {

class Bank : public Form {
public:
    explicit Bank(Game& game);

    // The accounts: debts and deposits of seat 1 and seat 2.
    std::int32_t dl1 = 0, dl2 = 0, sth1 = 0, sth2 = 0;
    std::int32_t& dl(int seat) { return seat == 1 ? dl1 : dl2; }
    std::int32_t& sth(int seat) { return seat == 1 ? sth1 : sth2; }

    // Working copies of the players' cash and the last converted amount.
    std::int32_t cash1 = 0, cash2 = 0, amount = 0;
    std::int32_t& cash(int seat) { return seat == 1 ? cash1 : cash2; }

    // The seat on turn as the board's buttons tell it: kub1, kub2, sled1,
    // sled2 tested in this order, seat 1 when none is visible.
    int seatOnTurn() const;

    // `stchot` and `dolg` show the accounts of the seat on turn. Called
    // after every action and before every box; does nothing while the
    // window is not loaded.
    void refreshLabels();

    // "ОК": one operation for the seat on turn.
    void Command1_Click();
    // "Выход": the board takes input again; the window hides, keeping its contents.
    void Command2_Click();
    // The close box: as "Выход", and the window is unloaded.
    void Form_Unload();

    bool click(const std::string& control) override;
    void closeBox() override;
};

}  // namespace game
