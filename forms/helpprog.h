#pragma once
// The about window.

#include "forms/formwindow.h"

namespace forms {

class HelpprogForm : public FormWindow {
    Q_OBJECT
public:
    HelpprogForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
};

}  // namespace forms
