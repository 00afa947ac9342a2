#pragma once
// The set-up window: names, player 2's kind and the token colours.

#include "forms/formwindow.h"

namespace forms {

class StartForm : public FormWindow {
    Q_OBJECT
public:
    StartForm(Screen& screen, game::Form& form) : FormWindow(screen, form) {}
};

}  // namespace forms
