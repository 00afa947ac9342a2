// The music menu: ten tracks, silence, and the control's button bar. In the
// silent program there is no control: the track and silence items do
// nothing at all (their check marks stay), and "Управление" only toggles
// its caption.
#include "game/board.h"
#include "game/game.h"

namespace game {

namespace {
constexpr int kTracks = 10;
const char* const kBarOffer = "Управление вкл";
const char* const kBarWithdraw = "Управление выкл";
}  // namespace

// Track n lies in the folder "musik" of the current folder.
std::string Board::trackPath(int index) { return "musik/track" + std::to_string(index + 1) + ".mid"; }

// Stops what plays, moves the check mark to the track, then plays it, also
// when it was the track already checked. A missing file leaves the mark on
// the track and the game silent.
void Board::mtrack_Click(int index) {
    Music* mp = game().mp();
    if (!mp || index < 0 || index >= kTracks) return;
    mp->command("stop");
    find("nomus")->value = false;
    for (int i = 0; i < kTracks; ++i) mtrack(i).value = false;
    mtrack(index).value = true;
    mp->setFileName(trackPath(index));
    mp->command("open");
    mp->command("play");
}

// Silence: the file stays open, only playing stops.
void Board::nomus_Click() {
    Music* mp = game().mp();
    if (!mp) return;
    for (int i = 0; i < kTracks; ++i) mtrack(i).value = false;
    find("nomus")->value = true;
    mp->command("stop");
}

// The caption names what the item does next and is the only record of
// whether the button bar is shown.
void Board::upr_Click() {
    Control& upr = *find("upr");
    bool show;
    if (upr.caption == kBarOffer) show = true;
    else if (upr.caption == kBarWithdraw) show = false;
    else return;
    upr.caption = show ? kBarWithdraw : kBarOffer;
    if (Music* mp = game().mp()) mp->setButtonsVisible(show);
}

}  // namespace game
