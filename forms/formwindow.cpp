#include "forms/formwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QScreen>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <vector>

#include "forms/screen.h"
#include "forms/widgets.h"
#include "game/game.h"

namespace forms {

QColor qcolor(game::Colour c) {
    const std::uint32_t rgb = game::toRgb(c);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QFont qfont(const game::Font& f) {
    QFont q(QString::fromStdString(f.family));
    q.setPointSizeF(f.points);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

FormWindow::FormWindow(Screen& screen, game::Form& form, QWidget* parent)
    : QWidget(parent, parent ? Qt::Window | Qt::Dialog : Qt::Window), screen_(screen), game_(screen.game()), form_(form) {
    setObjectName(qs(form.name()));
    setWindowTitle(qs(form.title));
    setAttribute(Qt::WA_QuitOnClose, false);
}

void FormWindow::build() {
    if (built_) return;
    built_ = true;
    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setGeometry(0, topMargin(), px(form_.clientWidth), px(form_.clientHeight));
    setFixedSize(px(form_.clientWidth), px(form_.clientHeight) + topMargin());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, qcolor(form_.backColor));
    canvas_->setPalette(pal);
    canvas_->setAutoFillBackground(true);

    // Create in stacking order, bottom first, so later widgets lie on top.
    std::vector<game::Control*> order;
    for (const auto& c : form_.controls())
        if (c->kind != game::Kind::MenuItem) order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->z < b->z; });
    for (game::Control* c : order) {
        QWidget* w = createWidget(*c);
        if (!w) continue;
        w->setObjectName(qs(c->name));
        w->setGeometry(px(c->left), px(c->top), px(c->width), px(c->height));
        w->setFont(qfont(c->font));
        if (!c->toolTip.empty()) w->setToolTip(qs(c->toolTip));
        w->raise();
        widgets_.insert(qs(c->name), w);
    }
    // Keyboard focus follows the window's tab order.
    std::vector<game::Control*> tabs;
    for (const auto& c : form_.controls())
        if (c->tabIndex >= 0 && widgets_.contains(qs(c->name))) tabs.push_back(c.get());
    std::stable_sort(tabs.begin(), tabs.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(widgets_.value(qs(tabs[i - 1]->name)), widgets_.value(qs(tabs[i]->name)));

    for (const auto& t : form_.timers()) {
        if (t.changeDriven) continue;
        auto* timer = new QTimer(this);
        const std::string name = t.name;
        connect(timer, &QTimer::timeout, this, [this, name] { screen_.act([&] { game_.tick(form_.name(), name); }); });
        timers_.insert(qs(name), timer);
    }
}

QWidget* FormWindow::createWidget(game::Control& c) {
    const std::string name = c.name;
    const std::string formName = form_.name();
    auto clickIt = [this, name, formName] { screen_.act([&] { game_.click(formName, name); }); };
    switch (c.kind) {
    case game::Kind::Button: {
        auto* b = new QPushButton(canvas_);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QPushButton::clicked, this, clickIt);
        return b;
    }
    case game::Kind::Option: {
        auto* r = new QRadioButton(canvas_);
        r->setAutoExclusive(false);
        connect(r, &QRadioButton::clicked, this, clickIt);
        return r;
    }
    case game::Kind::Label:
    case game::Kind::Picture: {
        auto* l = new ClickLabel(canvas_);
        if (c.kind == game::Kind::Picture) {
            if (!l->setPicture(QStringLiteral(":/") + qs(c.picture))) {
                l->setText(qs(c.name));
                l->setAlignment(Qt::AlignCenter);
                l->setFrameShape(QFrame::Box);
            }
        } else {
            l->setWordWrap(c.wordWrap);
            l->setAlignment((c.align == game::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        }
        if (c.questionCursor) l->setCursor(Qt::WhatsThisCursor);
        connect(l, &ClickLabel::clicked, this, clickIt);
        return l;
    }
    case game::Kind::TextBox: {
        if (c.multiLine) {
            auto* t = new QPlainTextEdit(canvas_);
            t->setReadOnly(c.readOnly);
            t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            t->setVerticalScrollBarPolicy(c.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            return t;
        }
        auto* e = new QLineEdit(canvas_);
        e->setReadOnly(c.readOnly);
        connect(e, &QLineEdit::textEdited, this, [this, name, formName](const QString& text) {
            screen_.act([&] { game_.type(formName, name, text.toStdString()); });
        });
        return e;
    }
    case game::Kind::ComboBox: {
        auto* cb = new QComboBox(canvas_);
        cb->setEditable(false);
        for (const auto& item : c.items) cb->addItem(qs(item));
        cb->setCurrentIndex(-1);
        connect(cb, &QComboBox::activated, this, [this, name, formName](int index) {
            screen_.act([&] { game_.choose(formName, name, index); });
        });
        return cb;
    }
    case game::Kind::ListBox: {
        auto* lw = new QListWidget(canvas_);
        connect(lw, &QListWidget::currentRowChanged, this, [this, name, formName](int row) {
            const game::Control* m = form_.find(name);
            if (m && m->listIndex != row) screen_.act([&] { game_.choose(formName, name, row); });
        });
        return lw;
    }
    case game::Kind::Shape:
        return new ShapeWidget(canvas_);
    case game::Kind::MenuItem:
        return nullptr;
    }
    return nullptr;
}

void FormWindow::renderControl(const game::Control& c, QWidget* w) {
    const QString caption = qs(c.caption);
    const QColor fore = qcolor(c.foreColor);
    switch (c.kind) {
    case game::Kind::Button: {
        auto* b = static_cast<QPushButton*>(w);
        if (b->text() != caption) b->setText(caption);
        break;
    }
    case game::Kind::Option: {
        auto* r = static_cast<QRadioButton*>(w);
        if (r->text() != caption) r->setText(caption);
        if (r->isChecked() != c.value) r->setChecked(c.value);
        QPalette p = r->palette();
        p.setColor(QPalette::WindowText, fore);
        r->setPalette(p);
        break;
    }
    case game::Kind::Label: {
        auto* l = static_cast<QLabel*>(w);
        if (l->text() != caption) l->setText(caption);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, fore);
        p.setColor(QPalette::Window, qcolor(c.backColor));
        l->setPalette(p);
        l->setAutoFillBackground(!c.transparentBack);
        break;
    }
    case game::Kind::Picture:
        break;
    case game::Kind::TextBox: {
        QPalette p = w->palette();
        p.setColor(QPalette::Text, fore);
        p.setColor(QPalette::Base, qcolor(c.backColor));
        w->setPalette(p);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != caption) e->setText(caption);
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
            if (t->toPlainText() != caption) t->setPlainText(caption);
        }
        break;
    }
    case game::Kind::ComboBox: {
        auto* cb = static_cast<QComboBox*>(w);
        if (cb->currentIndex() != c.listIndex) cb->setCurrentIndex(c.listIndex);
        QPalette p = cb->palette();
        p.setColor(QPalette::Text, fore);
        p.setColor(QPalette::ButtonText, fore);
        cb->setPalette(p);
        break;
    }
    case game::Kind::ListBox: {
        auto* lw = static_cast<QListWidget*>(w);
        bool same = lw->count() == static_cast<int>(c.items.size());
        for (int i = 0; same && i < lw->count(); ++i)
            same = lw->item(i)->text() == qs(c.items[static_cast<std::size_t>(i)]);
        if (!same) {
            const QSignalBlocker block(lw);
            lw->clear();
            for (const auto& item : c.items) lw->addItem(qs(item));
        }
        if (lw->currentRow() != c.listIndex) {
            const QSignalBlocker block(lw);
            lw->setCurrentRow(c.listIndex);
        }
        break;
    }
    case game::Kind::Shape:
        static_cast<ShapeWidget*>(w)->setShape(c.circle, qcolor(c.fillColor), qcolor(c.borderColor));
        break;
    case game::Kind::MenuItem:
        break;
    }
    if (w->geometry() != QRect(px(c.left), px(c.top), px(c.width), px(c.height)))
        w->setGeometry(px(c.left), px(c.top), px(c.width), px(c.height));
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    if (w->isVisibleTo(this) != c.visible) w->setVisible(c.visible);
}

void FormWindow::render() {
    if (!built_) build();
    for (const auto& c : form_.controls()) {
        if (QWidget* w = widgets_.value(qs(c->name))) renderControl(*c, w);
    }
    if (windowTitle() != qs(form_.title)) setWindowTitle(qs(form_.title));
    if (canvas_->isEnabled() != form_.enabled()) applyEnabled(form_.enabled());
    syncTimers();
    if (form_.visible() && !isVisible()) {
        if (!placed_) {
            // A window opens in the middle of the screen, a side window in
            // the middle of the board.
            placed_ = true;
            const QRect around = parentWidget() && parentWidget()->isVisible()
                                     ? parentWidget()->frameGeometry()
                                     : (screen() ? screen()->availableGeometry() : QRect());
            if (around.isValid()) move(around.center() - rect().center());
        }
        show();
        raise();
        activateWindow();
    } else if (!form_.visible() && isVisible()) {
        hide();
    }
}

void FormWindow::syncTimers() {
    for (const auto& t : form_.timers()) {
        QTimer* timer = timers_.value(qs(t.name));
        if (!timer) continue;
        const bool run = form_.loaded() && t.enabled && t.interval > 0 && !game_.ended();
        if (run && (!timer->isActive() || timer->interval() != t.interval)) timer->start(t.interval);
        else if (!run && timer->isActive()) timer->stop();
    }
}

void FormWindow::applyEnabled(bool on) { canvas_->setEnabled(on); }

QWidget* FormWindow::widget(const std::string& control) const { return widgets_.value(qs(control)); }

void FormWindow::closeEvent(QCloseEvent* e) {
    // The model decides whether the window goes; a disabled window (the
    // board while a side window is open) cannot be closed.
    e->ignore();
    if (!form_.enabled() || game_.ended()) return;
    screen_.act([&] { game_.close(form_.name()); });
}

// Keys the focused control leaves unused arrive here (a text box or a list
// passes Enter on). Enter presses the focused button if the focus is on one,
// else the default button; Esc presses the cancel button.
void FormWindow::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool esc = e->key() == Qt::Key_Escape;
    if (enter) {
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
            focused->click();
            return;
        }
    }
    if (enter || esc) {
        for (const auto& c : form_.controls()) {
            if (c->kind != game::Kind::Button || !c->visible || !c->enabled) continue;
            if ((enter && c->isDefault) || (esc && c->isCancel)) {
                const std::string n = c->name;
                screen_.act([&] { game_.click(form_.name(), n); });
                return;
            }
        }
        if (esc) return;  // Esc never closes a window by itself
    }
    QWidget::keyPressEvent(e);
}

}  // namespace forms
