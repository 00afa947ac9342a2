#include "forms/ruletka.h"

#include <QComboBox>

namespace forms {

RuletkaForm::RuletkaForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}

QWidget* RuletkaForm::createWidget(game::Control& c) {
    QWidget* w = FormWindow::createWidget(c);
    if (c.name == "urowen") {
        // A slim arrow leaves room for "Сложный" in the large bold font.
        w->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 2px 0px 4px; }"
                                        "QComboBox::drop-down { width: 16px; }"));
    }
    return w;
}

void RuletkaForm::renderControl(const game::Control& c, QWidget* w) {
    FormWindow::renderControl(c, w);
    if (c.name != "Label1") return;
    // The range label may use the free space up to the guess box, so its
    // closing colon is not cut off.
    const game::Control* guess = form_.find("zagchis");
    if (!guess) return;
    const int width = px(guess->left - c.left) - 2;
    if (width > w->width()) w->resize(width, w->height());
}

}  // namespace forms
