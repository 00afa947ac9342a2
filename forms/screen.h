#pragma once
// All windows of the running program. It creates the Qt window of a game
// window when the game first uses it, and renders every window from its
// model after each action and before each message box.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <utility>

namespace game {
class Game;
class Form;
}  // namespace game

namespace forms {

class FormWindow;

class Screen {
public:
    explicit Screen(game::Game& game);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    game::Game& game() { return game_; }
    // Runs one user action; the windows are rendered when it returns.
    void act(const std::function<void()>& action);
    void renderAll();
    // The Qt window of a game window, if it was created.
    FormWindow* window(const std::string& formName) const;
    // The window a message box should stand over.
    QWidget* activeWindow() const;
    void hideAll();

    // The music control's button bar, placed on the board (program with music
    // only). The factory is called when the board window is created, so the
    // bar (and the icons of its buttons) costs nothing before.
    void setMusicBar(std::function<QWidget*()> factory) { musicBarFactory_ = std::move(factory); }
    QWidget* musicBar() const { return musicBar_; }

private:
    FormWindow* create(const std::string& formName, game::Form& form);
    // Whether a hidden window is done with: the splash once its timer is
    // off, the set-up window once the board is on screen.
    bool spent(const std::string& formName, const game::Form& form) const;
    void releaseSpentWindows();

    game::Game& game_;
    std::map<std::string, FormWindow*> windows_;
    std::function<QWidget*()> musicBarFactory_;
    QPointer<QWidget> musicBar_;
    bool rendering_ = false;
};

}  // namespace forms
