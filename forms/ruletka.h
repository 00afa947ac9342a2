#pragma once
// The roulette window.

#include "forms/formwindow.h"

namespace forms {

class RuletkaForm : public FormWindow {
    Q_OBJECT
public:
    RuletkaForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
};

}  // namespace forms
