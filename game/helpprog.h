#pragma once
// The about window: a picture and a few words about the game and its
// authors. Its one button and its close box both give the board back its
// input; nothing in it ever changes, so it reopens the same either way.

#include <string>

#include "game/form.h"

namespace game {

class Helpprog : public Form {
public:
    explicit Helpprog(Game& game);

    void Command1_Click();  // "Закрыть"
    void Form_Unload();

    bool click(const std::string& control) override;
    void closeBox() override;

private:
    void enableBoard();
};

}  // namespace game
