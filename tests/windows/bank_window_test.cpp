// The bank and roulette windows on screen (offscreen Qt): controls at their
// places, the board taking no input while either is open, "Выход" keeping
// the contents, the close box bringing back the design contents, and the
// keyboard (arrow keys in the option group, Esc for "Отмена").

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "forms/formwindow.h"
#include "forms/screen.h"
#include "game/bank.h"
#include "game/board.h"
#include "game/ruletka.h"
#include "support/game_windows.h"

namespace {

class SideWindows : public testing_support::GameWindows {
protected:
    template <typename W>
    W* widget(const char* form, const char* control) {
        W* w = qobject_cast<W*>(win(form).widget(control));
        if (!w) throw std::runtime_error(std::string("no widget ") + control);
        return w;
    }
    void key(QWidget* target, Qt::Key k, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }
    void typeInto(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        for (QChar ch : text) key(e, Qt::Key_unknown, QString(ch));
    }
    bool boardTakesInput() { return win("torgal").canvas()->isEnabled(); }
    // A left click on the bank square, as the mouse delivers it.
    void openBank() {
        QLabel* square = widget<QLabel>("torgal", "karta14");
        const QPointF local = QPointF(square->rect().center());
        const QPointF global = QPointF(square->mapToGlobal(square->rect().center()));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(square, &press);
        QApplication::sendEvent(square, &release);
    }
    void openRuletka() {
        h.game.torgal().find("rul1")->visible = true;
        screen.renderAll();
        widget<QPushButton>("torgal", "rul1")->click();
    }
};

TEST_F(SideWindows, bankControlsStandAtTheirPlacesInTheirFonts) {
    openBank();
    forms::FormWindow& bank = win("bank");
    EXPECT_TRUE(bank.isVisible());
    EXPECT_EQ(bank.windowTitle(), QStringLiteral("Банк"));
    EXPECT_EQ(bank.canvas()->size(), QSize(forms::px(4005), forms::px(4470)));
    for (const auto& c : h.game.bank().controls()) {
        QWidget* w = bank.widget(c->name);
        ASSERT_TRUE(w) << c->name;
        EXPECT_EQ(w->geometry(), QRect(forms::px(c->left), forms::px(c->top), forms::px(c->width), forms::px(c->height)))
            << c->name;
        EXPECT_TRUE(w->isVisible()) << c->name;
        EXPECT_TRUE(w->font().bold()) << c->name;
    }
    EXPECT_DOUBLE_EQ(bank.widget("Label1")->font().pointSizeF(), 20.25);
    EXPECT_TRUE(bank.widget("Option2")->font().italic());
    EXPECT_EQ(widget<QRadioButton>("bank", "Option2")->text(), QStringLiteral("Положить под проценты"));
    EXPECT_EQ(widget<QLabel>("bank", "dolg")->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    for (const char* o : {"Option1", "Option2", "Option3", "Option4"})
        EXPECT_FALSE(widget<QRadioButton>("bank", o)->isChecked()) << o;
}

TEST_F(SideWindows, theBoardTakesNoInputWhileTheBankIsOpen) {
    EXPECT_TRUE(boardTakesInput());
    openBank();
    EXPECT_FALSE(boardTakesInput());
    widget<QPushButton>("bank", "Command2")->click();
    EXPECT_FALSE(win("bank").isVisible());
    EXPECT_TRUE(boardTakesInput());
}

TEST_F(SideWindows, exitKeepsTheBankContentsAndTheCloseBoxRestoresThem) {
    openBank();
    widget<QRadioButton>("bank", "Option2")->click();
    typeInto(widget<QLineEdit>("bank", "mmon"), QStringLiteral("250"));
    EXPECT_EQ(h.game.bank().find("mmon")->caption, "250");
    widget<QPushButton>("bank", "Command1")->click();
    EXPECT_EQ(h.game.bank().sth1, 250);
    EXPECT_EQ(widget<QLabel>("bank", "stchot")->text(), QStringLiteral("250"));
    EXPECT_EQ(widget<QLabel>("torgal", "mon1")->text(), QStringLiteral("9750"));

    widget<QPushButton>("bank", "Command2")->click();
    openBank();
    EXPECT_EQ(widget<QLineEdit>("bank", "mmon")->text(), QStringLiteral("250"));
    EXPECT_TRUE(widget<QRadioButton>("bank", "Option2")->isChecked());

    win("bank").close();
    EXPECT_FALSE(win("bank").isVisible());
    EXPECT_TRUE(boardTakesInput());
    openBank();
    EXPECT_EQ(widget<QLineEdit>("bank", "mmon")->text(), QString());
    EXPECT_FALSE(widget<QRadioButton>("bank", "Option2")->isChecked());
    EXPECT_EQ(widget<QLabel>("bank", "stchot")->text(), QStringLiteral("250"));
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(SideWindows, arrowKeysMoveTheSelectionThroughTheOptionGroup) {
    openBank();
    QRadioButton* first = widget<QRadioButton>("bank", "Option1");
    first->click();
    key(first, Qt::Key_Down);
    EXPECT_TRUE(h.game.bank().find("Option2")->value);
    EXPECT_FALSE(h.game.bank().find("Option1")->value);
    EXPECT_TRUE(widget<QRadioButton>("bank", "Option2")->isChecked());
    EXPECT_FALSE(first->isChecked());
    key(widget<QRadioButton>("bank", "Option2"), Qt::Key_Up);
    key(first, Qt::Key_Up);
    EXPECT_TRUE(h.game.bank().find("Option4")->value);
}

TEST_F(SideWindows, rouletteStandsAtItsPlacesAndEscCancels) {
    openRuletka();
    forms::FormWindow& r = win("ruletka");
    EXPECT_TRUE(r.isVisible());
    EXPECT_FALSE(boardTakesInput());
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Рулетка"));
    for (const char* name : {"zagchis", "stawka", "urowen", "Command1", "Command2", "Label2", "Label3"}) {
        const game::Control* c = h.game.ruletka().find(name);
        EXPECT_EQ(r.widget(name)->geometry(),
                  QRect(forms::px(c->left), forms::px(c->top), forms::px(c->width), forms::px(c->height)))
            << name;
    }
    // The range label reaches no further than the guess box.
    EXPECT_LE(r.widget("Label1")->geometry().right(), r.widget("zagchis")->geometry().left());
    QComboBox* level = widget<QComboBox>("ruletka", "urowen");
    EXPECT_EQ(level->count(), 2);
    EXPECT_EQ(level->currentIndex(), -1);
    Q_EMIT level->activated(1);
    EXPECT_EQ(widget<QLabel>("ruletka", "Label1")->text(), QStringLiteral("Число(от 1 до 5)"));

    QLineEdit* guess = widget<QLineEdit>("ruletka", "zagchis");
    typeInto(guess, QStringLiteral("3"));
    key(guess, Qt::Key_Escape);
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(boardTakesInput());
    EXPECT_TRUE(widget<QPushButton>("torgal", "rul1")->isVisible());
    // Hidden, not unloaded: the contents are there at the next opening.
    widget<QPushButton>("torgal", "rul1")->click();
    EXPECT_EQ(guess->text(), QStringLiteral("3"));
    EXPECT_EQ(level->currentIndex(), 1);
    r.close();
    EXPECT_FALSE(r.isVisible());
    widget<QPushButton>("torgal", "rul1")->click();
    EXPECT_EQ(guess->text(), QString());
    EXPECT_EQ(level->currentIndex(), -1);
    EXPECT_EQ(widget<QLabel>("ruletka", "Label1")->text(), QStringLiteral("Число (от    до    ):"));
}

TEST_F(SideWindows, aCompletedPlayHidesTheRouletteAndItsButtons) {
    openRuletka();
    Q_EMIT widget<QComboBox>("ruletka", "urowen")->activated(0);
    typeInto(widget<QLineEdit>("ruletka", "zagchis"), QStringLiteral("2"));
    typeInto(widget<QLineEdit>("ruletka", "stawka"), QStringLiteral("100"));
    h.random.queue(2, 3);
    widget<QPushButton>("ruletka", "Command1")->click();
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, "Вы выиграли!");
    EXPECT_FALSE(win("ruletka").isVisible());
    EXPECT_TRUE(boardTakesInput());
    EXPECT_FALSE(widget<QPushButton>("torgal", "rul1")->isVisible());
    EXPECT_EQ(widget<QLabel>("torgal", "mon1")->text(), QStringLiteral("10200"));
}

}  // namespace
