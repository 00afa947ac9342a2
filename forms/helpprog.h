#pragma once
// The about window. The generic window draws it; this class only makes the
// text fit its label when the face standing in for the game's font is wider.

#include "forms/formwindow.h"

namespace forms {

class HelpprogForm : public FormWindow {
    Q_OBJECT
public:
    HelpprogForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
    void render() override;

private:
    bool fitted_ = false;
};

}  // namespace forms
