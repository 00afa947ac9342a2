#pragma once
// The board window: squares, markers, tokens, die, seat buttons, labels and
// the menu bar, drawn from the board model.

#include <QHash>

#include "forms/formwindow.h"

class QMenuBar;
class QAction;

namespace forms {

class TorgalForm : public FormWindow {
    Q_OBJECT
public:
    TorgalForm(Screen& screen, game::Form& form);
    void render() override;
    QAction* action(const std::string& item) const { return actions_.value(QString::fromStdString(item)); }
    QMenuBar* menuBar() const { return menuBar_; }

protected:
    int topMargin() const override;
    void applyEnabled(bool on) override;

private:
    void buildMenu();

    QMenuBar* menuBar_ = nullptr;
    QHash<QString, QAction*> actions_;
};

}  // namespace forms
