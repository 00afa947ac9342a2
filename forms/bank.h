#pragma once
// The bank window.

#include "forms/formwindow.h"

namespace forms {

class BankForm : public FormWindow {
    Q_OBJECT
public:
    BankForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
};

}  // namespace forms
