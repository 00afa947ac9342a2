// The splash, set-up and board windows as Qt draws them, offscreen.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "forms/formwindow.h"
#include "forms/screen.h"
#include "forms/torgal.h"
#include "game/board.h"
#include "support/scripted_ports.h"

using testing_support::Harness;

namespace {

struct Program {
    Harness h;
    forms::Screen screen{h.game};
    Program() { screen.renderAll(); }
    forms::FormWindow* window(const char* name) { return screen.window(name); }
    // The widget a mouse click at the centre of a control reaches.
    QWidget* hit(const char* form, const char* control) {
        forms::FormWindow* w = window(form);
        QWidget* target = w->widget(control);
        const QPoint centre = target->geometry().center();
        return w->canvas()->childAt(centre);
    }
};

}  // namespace

TEST(StartUpWindows, setUpListsStartWithNothingChosen) {
    Program p;
    ASSERT_TRUE(p.window("welcome")->isVisible());
    p.h.game.tick("welcome", "Timer1");
    forms::FormWindow* start = p.window("start");
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(p.window("welcome")->isVisible());
    for (const char* list : {"im2", "zw1", "zw2"}) {
        auto* cb = qobject_cast<QComboBox*>(start->widget(list));
        ASSERT_NE(cb, nullptr) << list;
        EXPECT_EQ(cb->currentIndex(), -1) << list;
        EXPECT_TRUE(cb->currentText().isEmpty()) << list;
        EXPECT_FALSE(cb->isEditable()) << list;
    }
    EXPECT_EQ(qobject_cast<QComboBox*>(start->widget("zw1"))->count(), 10);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(start->widget("im1"))->isReadOnly());
    EXPECT_EQ(start->windowTitle(), QStringLiteral("Выбор игроков"));
    EXPECT_EQ(start->widget("Command1")->pos(), QPoint(56, 104));
}

TEST(StartUpWindows, aFailedFirstOkCreatesTheBoardHidden) {
    Program p;
    p.h.game.tick("welcome", "Timer1");
    p.h.game.click("start", "Command1");
    ASSERT_NE(p.window("torgal"), nullptr);
    EXPECT_FALSE(p.window("torgal")->isVisible());
    EXPECT_TRUE(p.window("start")->isVisible());
}

TEST(StartUpWindows, boardShowsSquaresTokensAndOnlyTheRollButton) {
    Program p;
    p.h.startGame();
    forms::FormWindow* board = p.window("torgal");
    ASSERT_TRUE(board->isVisible());
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Торгалия города Медноярска ver.3.0"));
    EXPECT_EQ(board->canvas()->size(), QSize(792, 540));
    EXPECT_EQ(board->widget("karta1")->geometry(), QRect(8, 8, 63, 85));
    EXPECT_EQ(board->widget("karta32")->pos(), QPoint(8, 96));
    EXPECT_EQ(board->widget("fish1")->pos(), QPoint(10, 10));
    EXPECT_EQ(board->widget("karta2")->toolTip(), QStringLiteral("Хлебокомбинат"));
    auto* kub1 = qobject_cast<QPushButton*>(board->widget("kub1"));
    EXPECT_TRUE(kub1->isVisible());
    EXPECT_EQ(kub1->text(), QStringLiteral("Сходить"));
    for (const char* b : {"kub2", "sled1", "sled2", "kup1", "prod1", "wikup1", "rul1", "close1"})
        EXPECT_FALSE(board->widget(b)->isVisible()) << b;
}

TEST(StartUpWindows, seatButtonsStackWithTheEarlierOnTop) {
    Program p;
    p.h.startGame();
    game::Board& b = p.h.game.torgal();
    for (const char* n : {"kub1", "kub2", "sled1", "sled2"}) b.find(n)->visible = true;
    p.screen.renderAll();
    EXPECT_EQ(p.hit("torgal", "kub2"), p.window("torgal")->widget("kub1"));
    b.find("kub1")->visible = false;
    b.find("kub2")->visible = false;
    p.screen.renderAll();
    EXPECT_EQ(p.hit("torgal", "sled2"), p.window("torgal")->widget("sled1"));
    // Tokens and markers let clicks through to the square beneath.
    forms::FormWindow* w = p.window("torgal");
    const QPoint onToken = w->widget("fish1")->geometry().center();
    EXPECT_EQ(w->canvas()->childAt(onToken), w->widget("karta1"));
}

TEST(StartUpWindows, menuBarCarriesTheDesignCheckMarks) {
    Program p;
    p.h.startGame();
    auto* board = static_cast<forms::TorgalForm*>(p.window("torgal"));
    EXPECT_TRUE(board->action("wso")->isChecked());
    EXPECT_TRUE(board->action("mtrack(0)")->isChecked());
    EXPECT_FALSE(board->action("mtrack(1)")->isChecked());
    EXPECT_FALSE(board->action("upr")->isEnabled());
    EXPECT_EQ(board->action("hel")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(board->action("op")->text(), QStringLiteral("О программе...          "));
    p.h.game.torgal().setEnabled(false);
    p.screen.renderAll();
    EXPECT_FALSE(board->menuBar()->isEnabled());
    EXPECT_FALSE(board->canvas()->isEnabled());
}

TEST(StartUpWindows, enterPressesTheFocusedButtonAndTheDefaultOneOnlyFromElsewhere) {
    Program p;
    p.h.game.tick("welcome", "Timer1");
    forms::FormWindow* start = p.window("start");
    QApplication::setActiveWindow(start);
    start->widget("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(p.h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(p.h.dialogs.boxes[0].text, "Выберите игроков!");
    for (int i = 0; i < 6; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), start->widget("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(p.h.end.ends, 1);
    EXPECT_EQ(p.h.dialogs.boxes.size(), 1u);

    // On the board the roll button is the default one.
    Program q;
    q.h.startGame();
    q.h.game.torgal().find("sled1")->visible = true;
    q.screen.renderAll();
    forms::FormWindow* board = q.window("torgal");
    QApplication::setActiveWindow(board);
    board->widget("sled1")->setFocus();
    q.h.random.die(3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(q.h.random.values.size(), 1u);  // no roll
    EXPECT_TRUE(q.h.game.torgal().find("kub2")->visible);
}
