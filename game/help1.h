#pragma once
// The help window: fifteen short texts reached through a menu of clickable
// labels three levels deep (topics, rules, the button and square lists).
// Every control exists from the start; navigation only shows and hides them.
// A deeper level lies over the one above and covers it, and each level's
// "Назад" lies over the button of the level above, so hiding a level brings
// back the one beneath it.

#include <string>

#include "game/form.h"

namespace game {

class Help1 : public Form {
public:
    explicit Help1(Game& game);

    // Top level.
    void zel_Click();
    void prawila_Click();
    void opt_Click();
    void mus_Click();
    void awtor_Click();
    // Rules level.
    void wib1_Click();
    void wib2_Click();
    // The button list.
    void kn1_Click();
    void kn2_Click();
    void kn3_Click();
    void kn4_Click();
    void kn5_Click();
    // The square list.
    void kl1_Click();
    void kl2_Click();
    void kl3_Click();
    void kl4_Click();
    void kl5_Click();
    void kl6_Click();

    void Command1_Click();  // "Закрыть"
    void Command2_Click();  // "Назад" to the top level
    void Command3_Click();  // "Назад" to the rules level
    void Command4_Click();  // "Назад" to the list
    void Form_Unload();

    bool click(const std::string& control) override;
    void closeBox() override;

    // The text a topic label puts into Text1 (empty for other names).
    static std::string topicText(const std::string& label);

private:
    // Puts the topic's text into Text1 and shows it with the given "Назад".
    void showTopic(const std::string& label, const char* backButton);
    void setShown(std::initializer_list<const char*> controls, bool on);
    // Both ways out give the board back its input.
    void enableBoard();
};

}  // namespace game
