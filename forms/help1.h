#pragma once
// The help window.

#include "forms/formwindow.h"

namespace forms {

class Help1Form : public FormWindow {
    Q_OBJECT
public:
    Help1Form(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
};

}  // namespace forms
