#pragma once
// The roulette window. The generic window draws its controls; this class
// only keeps the range label and the level list readable at their design
// sizes. Esc presses "Отмена" through the generic window.

#include "forms/formwindow.h"

namespace forms {

class RuletkaForm : public FormWindow {
    Q_OBJECT
public:
    RuletkaForm(Screen& screen, game::Form& form, QWidget* owner);

protected:
    QWidget* createWidget(game::Control& c) override;
    void renderControl(const game::Control& c, QWidget* w) override;
};

}  // namespace forms
