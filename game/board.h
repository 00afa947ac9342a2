#pragma once
// The board window `torgal`: the game itself. It holds every board variable
// and the state of its controls, and its handlers are the game's rules:
// the person's turn, the deals, the end of a turn, the computer's turn, the
// win check and the menu commands.

#include <array>
#include <cstdint>
#include <string>

#include "game/form.h"
#include "game/shares.h"

namespace game {

class Board : public Form {
public:
    explicit Board(Game& game);

    // ---- board variables (16-bit numbers but the cash) ----
    std::int32_t money1 = 0, money2 = 0;
    std::int16_t food1 = 0, food2 = 0, shops1 = 0, shops2 = 0, bazaars1 = 0, bazaars2 = 0;
    std::int16_t heavy1 = 0, heavy2 = 0, transport1 = 0, transport2 = 0;
    std::int16_t buyoutmode = 0, sellmode = 0, marketmode = 0, msgoff = 0, nameshown = 0;
    std::int16_t debtwarn1 = 0, debtwarn2 = 0, jail1 = 0, jail2 = 0, eventno = 0;
    std::int16_t curshare = 0, curprice = 0, curincome = 0, kind2 = 0, die = 0, cpudie = 0;
    std::int16_t pos1 = 0, pos2 = 0, lap1 = 0, lap2 = 0, income1 = 0, income2 = 0;
    std::array<std::int16_t, kShareCount + 1> owner{};  // owner[1..24]

    // Per-seat views of the twin variables.
    std::int32_t& money(int seat) { return seat == 1 ? money1 : money2; }
    std::int16_t& income(int seat) { return seat == 1 ? income1 : income2; }
    std::int16_t& pos(int seat) { return seat == 1 ? pos1 : pos2; }
    std::int16_t& lap(int seat) { return seat == 1 ? lap1 : lap2; }
    std::int16_t& jail(int seat) { return seat == 1 ? jail1 : jail2; }
    std::int16_t& debtwarn(int seat) { return seat == 1 ? debtwarn1 : debtwarn2; }
    std::int16_t& counter(int seat, Group g);
    bool groupFull(int seat, Group g) { return counter(seat, g) == groupSize(g); }
    // All five groups full: the seat owns every share.
    bool capturedCity(int seat);

    // ---- controls ----
    // The seat's control named prefix + seat ("kub" 1 -> kub1).
    Control& seatControl(const char* prefix, int seat);
    Control& karta(int square) { return *find("karta" + std::to_string(square)); }
    Control& ak(int n) { return *find("ak" + std::to_string(n)); }
    Control& ku(int face) { return *find("ku" + std::to_string(face)); }
    Control& fish(int seat) { return seatControl("fish", seat); }
    Control& mtrack(int index) { return *find("mtrack(" + std::to_string(index) + ")"); }

    // ---- helpers the rules share ----
    // The cash label of a seat shows its cash; the income label its income.
    void showMoney(int seat);
    void showIncome(int seat);
    // `ktohod` names the player and takes his token colour.
    void showPlayer(int seat);
    // Exactly the face of the roll is visible.
    void showDieFace(int value);
    // A value in 1..n from the generator: the whole part of random x n + 1.
    int draw(int n);
    // The informational boxes that the messages switch silences.
    void info(const std::string& text, const std::string& title, int style);

    // ---- handlers ----
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();

    // A person's turn: the roll button of a seat.
    void kub_Click(int seat);
    void kub1_Click() { kub_Click(1); }
    void kub2_Click() { kub_Click(2); }
    // Buying the share under the token.
    void kup_Click(int seat);
    void kup1_Click() { kup_Click(1); }
    void kup2_Click() { kup_Click(2); }
    // Arming the deals.
    void prod_Click(int seat);
    void prod1_Click() { prod_Click(1); }
    void prod2_Click() { prod_Click(2); }
    void wikup1_Click();
    // A click on the square of share n: buy-out, sale or market purchase.
    void shareSquare_Click(int n);
    // End of turn.
    void sled1_Click();
    void sled2_Click();
    // Win check, surrender and board commands.
    void close_Click(int seat);
    void close1_Click() { close_Click(1); }
    void close2_Click() { close_Click(2); }
    void exit_Click();
    void Form_Unload();
    void wso_Click();
    void karta12_Click();
    // Side windows.
    void karta14_Click();
    void rul_Click(int seat);
    void hel_Click();
    void op_Click();
    void open_Click();
    // Music menu.
    void mtrack_Click(int index);
    void nomus_Click();
    void upr_Click();

    // The rent step of a roll: the mover pays the rival for his share.
    void rentStep(int mover, const std::string& message);
    // The computer's whole turn, played inside player 1's end of turn.
    void computerTurn();
    // The surrender pair of a seat (its loser first), then the end.
    [[noreturn]] void surrenderPair(int seat);

    bool click(const std::string& control) override;
    bool menuClick(const std::string& item);
    void closeBox() override;
    void timerTick(const std::string& timer) override;

    // The path of a track of the music menu (index 0..9).
    static std::string trackPath(int index);

protected:
    void formLoad() override;

private:
    void land(int seat);
    void randomEvent(int seat);
    void lastStep(int seat);

    bool winCheckOpen_ = false;  // the win check's own boxes are open
};

}  // namespace game
