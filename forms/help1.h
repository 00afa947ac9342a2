#pragma once
// The help window. The generic window draws and stacks it; this class only
// makes the topic labels' captions fit their labels when the installed face
// standing in for the game's font is wider than the original; the topics
// keep one look, so they all take the font the tightest one needs.

#include "forms/formwindow.h"

namespace forms {

class Help1Form : public FormWindow {
    Q_OBJECT
public:
    Help1Form(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}
    void render() override;

private:
    bool fitted_ = false;
};

}  // namespace forms
