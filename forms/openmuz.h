#pragma once
// The window for choosing a music file.

#include "forms/formwindow.h"

namespace forms {

class OpenMuzForm : public FormWindow {
    Q_OBJECT
public:
    OpenMuzForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
};

}  // namespace forms
