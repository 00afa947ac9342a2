#pragma once
// The set-up window: the two players' names, player 2's kind and the token
// colours. Its first OK press creates the board.

#include <cstdint>

#include "game/form.h"

namespace game {

struct TokenColour {
    const char* name;
    Colour fill;
};
// The ten colour names of the lists, in their order, with the token fill.
extern const TokenColour kTokenColours[10];

class Start : public Form {
public:
    explicit Start(Game& game);

    std::int16_t cpunamed = 0;
    std::int16_t pick2 = 0;

    void Command1_Click();
    void Command2_Click();
    // Writes the computer's name once, when "Компьютер" is chosen.
    void nameComputer();

    bool click(const std::string& control) override;
    void listChanged(const std::string& control) override;
    // Closing the set-up window ends the program, as "Выход" does.
    void closeBox() override;

private:
    // Colours the seat's token from the colour name; an unknown name leaves it.
    void colourToken(int seat, const std::string& colourName);
};

}  // namespace game
