#include "forms/torgal.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "forms/screen.h"
#include "game/game.h"

namespace forms {

TorgalForm::TorgalForm(Screen& screen, game::Form& form) : FormWindow(screen, form) {
    menuBar_ = new QMenuBar(this);
    buildMenu();
    menuBar_->setGeometry(0, 0, px(form.clientWidth), menuBar_->sizeHint().height());
}

int TorgalForm::topMargin() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

void TorgalForm::buildMenu() {
    QHash<QString, QMenu*> menus;
    for (const auto& c : form_.controls()) {
        if (c->kind != game::Kind::MenuItem) continue;
        const QString name = QString::fromStdString(c->name);
        const QString caption = QString::fromStdString(c->caption);
        QMenu* parentMenu = menus.value(QString::fromStdString(c->parentMenu));
        // An item that other items name as their parent is a menu.
        bool isMenu = false;
        for (const auto& o : form_.controls())
            if (o->parentMenu == c->name) isMenu = true;
        if (isMenu) {
            QMenu* m = parentMenu ? parentMenu->addMenu(caption) : menuBar_->addMenu(caption);
            m->setObjectName(name);
            menus.insert(name, m);
            actions_.insert(name, m->menuAction());
            continue;
        }
        if (!parentMenu) continue;
        QAction* a = parentMenu->addAction(caption);
        a->setObjectName(name);
        // Only the messages switch and the music choices carry check marks.
        a->setCheckable(c->name == "wso" || c->name == "nomus" || c->name.rfind("mtrack(", 0) == 0);
        if (!c->shortcut.empty()) a->setShortcut(QKeySequence(QString::fromStdString(c->shortcut)));
        const std::string item = c->name;
        connect(a, &QAction::triggered, this, [this, item] { screen_.act([&] { game_.menu(item); }); });
        actions_.insert(name, a);
    }
}

void TorgalForm::render() {
    FormWindow::render();
    if (QWidget* bar = screen_.musicBar(); bar && bar->parentWidget() != canvas()) {
        const bool shown = bar->isVisibleTo(bar->parentWidget() ? bar->parentWidget() : bar);
        bar->setParent(canvas());
        bar->setGeometry(px(1320), px(3120), px(3540), px(375));
        bar->setVisible(shown);
        bar->raise();
    }
    for (const auto& c : form_.controls()) {
        if (c->kind != game::Kind::MenuItem) continue;
        QAction* a = actions_.value(QString::fromStdString(c->name));
        if (!a) continue;
        const QString caption = QString::fromStdString(c->caption);
        if (a->text() != caption) a->setText(caption);
        if (a->isCheckable() && a->isChecked() != c->value) a->setChecked(c->value);
        if (a->isEnabled() != c->enabled) a->setEnabled(c->enabled);
    }
}

void TorgalForm::applyEnabled(bool on) {
    FormWindow::applyEnabled(on);
    menuBar_->setEnabled(on);
}

}  // namespace forms
