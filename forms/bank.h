#pragma once
// The bank window. The generic window draws its controls; this class makes
// the four option buttons behave as one group from the keyboard: an arrow
// key moves to the next option and selects it.

#include "forms/formwindow.h"

namespace forms {

class BankForm : public FormWindow {
    Q_OBJECT
public:
    BankForm(Screen& screen, game::Form& form, QWidget* owner);

protected:
    QWidget* createWidget(game::Control& c) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace forms
