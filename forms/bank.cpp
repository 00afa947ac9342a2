#include "forms/bank.h"

#include <QKeyEvent>

#include <array>

#include "forms/screen.h"
#include "game/game.h"

namespace forms {

namespace {

constexpr std::array<const char*, 4> kOptions = {"Option1", "Option2", "Option3", "Option4"};

}  // namespace

BankForm::BankForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}

QWidget* BankForm::createWidget(game::Control& c) {
    QWidget* w = FormWindow::createWidget(c);
    if (w && c.kind == game::Kind::Option) w->installEventFilter(this);
    return w;
}

bool BankForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return FormWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    else if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    if (!step) return FormWindow::eventFilter(watched, event);
    int at = 0;
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        if (watched->objectName() == QLatin1String(kOptions[i])) at = static_cast<int>(i);
    const int n = static_cast<int>(kOptions.size());
    const std::string next = kOptions[static_cast<std::size_t>((at + step + n) % n)];
    if (QWidget* w = widget(next)) w->setFocus(Qt::TabFocusReason);
    screen_.act([&] { game_.click(form_.name(), next); });
    return true;
}

}  // namespace forms
