#pragma once
// The multimedia control `mp`: plays the game's music and offers a small
// button bar. All game::Music calls come from the GUI thread and return at
// once; the playing itself happens on the player's worker thread.

#include "game/ports.h"
#include "media/player.h"

#include <QPointer>

#include <string>

class QWidget;

namespace media {

class Mp final : public game::Music {
public:
    using Options = PlayerOptions;

    // barParent: the widget the button bar sits on (may be null; see buttonBar()).
    explicit Mp(QWidget* barParent = nullptr, Options options = {});
    ~Mp() override;

    Mp(const Mp&) = delete;
    Mp& operator=(const Mp&) = delete;

    void setFileName(const std::string& path) override;
    // "open", "play" or "stop" (case and surrounding blanks ignored); other
    // commands are ignored.
    void command(const std::string& cmd) override;
    void setButtonsVisible(bool visible) override;

    // The button bar, 236 x 25 px, hidden until setButtonsVisible(true).
    // Without a parent it is created, parentless, on first use (this needs a
    // QApplication). Null once the parent it was created on is gone.
    QWidget* buttonBar();

    // For tests: see Player::recentLevel and Player::waitIdle.
    double recentLevel() const { return player_.recentLevel(); }
    void waitIdle() { player_.waitIdle(); }

private:
    Player player_;
    std::string fileName_;
    void makeBar(QWidget* parent);

    bool barOnParent_;
    QPointer<QWidget> bar_;
    bool buttonsVisible_ = false;
};

}  // namespace media
