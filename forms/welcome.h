#pragma once
// The splash window.

#include "forms/formwindow.h"

namespace forms {

class WelcomeForm : public FormWindow {
    Q_OBJECT
public:
    WelcomeForm(Screen& screen, game::Form& form) : FormWindow(screen, form) {}
    void render() override;

private:
    bool fitted_ = false;
};

}  // namespace forms
