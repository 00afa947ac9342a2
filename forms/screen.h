#pragma once
// All windows of the running program. It creates the Qt window of a game
// window when the game first uses it, and renders every window from its
// model after each action and before each message box.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

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

    // The music control's button bar, placed on the board (program with music only).
    void setMusicBar(QWidget* bar) { musicBar_ = bar; }
    QWidget* musicBar() const { return musicBar_; }

private:
    FormWindow* create(const std::string& formName, game::Form& form);

    game::Game& game_;
    std::map<std::string, FormWindow*> windows_;
    QPointer<QWidget> musicBar_;
    bool rendering_ = false;
};

}  // namespace forms
