// The help and about windows on screen (offscreen Qt): the help window's
// navigation with the mouse, where the control a player clicks is the one
// lying on top at that point, the covered "Закрыть" that only the keyboard
// reaches, the two ways of closing, and the board taking no input while
// either window is open.

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "forms/formwindow.h"
#include "forms/help1.h"
#include "forms/helpprog.h"
#include "forms/screen.h"
#include "forms/torgal.h"
#include "game/board.h"
#include "game/help1.h"
#include "game/helpprog.h"
#include "support/game_windows.h"

namespace {

using Names = std::set<std::string>;

const Names kTop{"Label1", "zel", "prawila", "opt", "mus", "awtor", "Command1"};
const Names kTopText{"Label1", "Text1", "Command2"};
const Names kRules{"Label1", "wib1", "wib2", "Command2"};
const Names kButtonList{"Label1", "kn1", "kn2", "kn3", "kn4", "kn5", "Command3"};
const Names kSquareList{"Label1", "kl1", "kl2", "kl3", "kl4", "kl5", "kl6", "Command3"};
const Names kListText{"Label1", "Text1", "Command4"};

class HelpWindow : public testing_support::GameWindows {
protected:
    forms::FormWindow& help() { return win("help1"); }
    game::Help1& model() { return h.game.help1(); }

    // The widget that takes a mouse click at the centre of the control.
    QWidget* topmostAtCentre(forms::FormWindow& w, const std::string& control) {
        QWidget* target = w.widget(control);
        return w.canvas()->childAt(target->geometry().center());
    }

    // A left click at the centre of the control, delivered to whichever
    // widget lies on top there, as the mouse delivers it. Fails when that is
    // not the control itself.
    void mouseClick(forms::FormWindow& w, const std::string& control) {
        QWidget* target = w.widget(control);
        ASSERT_TRUE(target && target->isVisible()) << control << " is not on screen";
        QWidget* hit = topmostAtCentre(w, control);
        ASSERT_EQ(hit, target) << control << " is covered by " << (hit ? hit->objectName().toStdString() : "nothing");
        const QPointF local = QPointF(target->rect().center());
        const QPointF global = QPointF(target->mapToGlobal(target->rect().center()));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    // What the player sees of the help window: the controls whose widget is
    // shown and lies on top at its own centre.
    Names seen() {
        Names out;
        for (const auto& c : model().controls()) {
            QWidget* w = help().widget(c->name);
            if (!w || !w->isVisible()) continue;
            QWidget* hit = topmostAtCentre(help(), c->name);
            // A text box's viewport is a child of the box.
            while (hit && hit != w && hit->parentWidget() != help().canvas()) hit = hit->parentWidget();
            if (hit == w) out.insert(c->name);
        }
        return out;
    }

    std::string text1() { return static_cast<QPlainTextEdit*>(help().widget("Text1"))->toPlainText().toStdString(); }

    void openHelp() {
        QAction* item = static_cast<forms::TorgalForm&>(win("torgal")).action("hel");
        ASSERT_TRUE(item && item->isEnabled());
        item->trigger();
    }

    // Keyboard only: Tab moves the focus until it rests on the control,
    // then Space presses it.
    void pressWithKeyboard(forms::FormWindow& w, const std::string& control) {
        QWidget* target = w.widget(control);
        QApplication::setActiveWindow(&w);
        for (int i = 0; i < 12 && QApplication::focusWidget() != target; ++i) {
            QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(from, &tab);
        }
        ASSERT_EQ(QApplication::focusWidget(), target) << "Tab never reaches " << control;
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(target, &down);
        QApplication::sendEvent(target, &up);
    }

    bool boardTakesInput() {
        auto& board = static_cast<forms::TorgalForm&>(win("torgal"));
        return h.game.torgal().enabled() && board.canvas()->isEnabled() && board.menuBar()->isEnabled();
    }
};

TEST_F(HelpWindow, everyTopicAndEveryBackButtonLeadWhereTheNavigationTableSays) {
    openHelp();
    ASSERT_TRUE(help().isVisible());
    EXPECT_EQ(seen(), kTop);

    for (const char* topic : {"zel", "opt", "mus", "awtor"}) {
        mouseClick(help(), topic);
        EXPECT_EQ(seen(), kTopText) << topic;
        EXPECT_EQ(text1(), game::Help1::topicText(topic));
        EXPECT_FALSE(text1().empty()) << topic;
        mouseClick(help(), "Command2");
        EXPECT_EQ(seen(), kTop) << "back from " << topic;
    }

    mouseClick(help(), "prawila");
    EXPECT_EQ(seen(), kRules);
    mouseClick(help(), "Command2");
    EXPECT_EQ(seen(), kTop) << "back from the rules";

    mouseClick(help(), "prawila");
    const struct {
        const char* opener;
        Names list;
        std::vector<const char*> topics;
    } lists[] = {
        {"wib1", kButtonList, {"kn1", "kn2", "kn3", "kn4", "kn5"}},
        {"wib2", kSquareList, {"kl1", "kl2", "kl3", "kl4", "kl5", "kl6"}},
    };
    for (const auto& l : lists) {
        mouseClick(help(), l.opener);
        EXPECT_EQ(seen(), l.list) << l.opener;
        for (const char* topic : l.topics) {
            mouseClick(help(), topic);
            EXPECT_EQ(seen(), kListText) << topic;
            EXPECT_EQ(text1(), game::Help1::topicText(topic));
            mouseClick(help(), "Command4");
            EXPECT_EQ(seen(), l.list) << "back from " << topic;
        }
        mouseClick(help(), "Command3");
        EXPECT_EQ(seen(), kRules) << "back from " << l.opener;
    }
    mouseClick(help(), "Command2");
    EXPECT_EQ(seen(), kTop);
    EXPECT_FALSE(boardTakesInput());
}

TEST(HelpTexts, keepTheirOldSpellingWithLatinCapitalC) {
    using game::Help1;
    // "<C" with an ASCII C: the Cyrillic letter is two bytes and cannot match.
    EXPECT_EQ(Help1::topicText("kl1").rfind("Попав на клетку <C", 0), 0u);
    EXPECT_EQ(Help1::topicText("kn1").rfind("Нажав кнопку <C", 0), 0u);
    EXPECT_NE(Help1::topicText("kn2").find("стоимости жтой акции"), std::string::npos);
    EXPECT_NE(Help1::topicText("kl3").find("не должен привышать 5000$."), std::string::npos);
    // Fifteen topics, each with its own text; the title and lists open no text.
    std::set<std::string> texts;
    for (const char* t : {"zel", "opt", "mus", "awtor", "kn1", "kn2", "kn3", "kn4", "kn5", "kl1", "kl2", "kl3",
                          "kl4", "kl5", "kl6"})
        texts.insert(Help1::topicText(t));
    EXPECT_EQ(texts.size(), 15u);
    EXPECT_EQ(texts.count(""), 0u);
    EXPECT_EQ(Help1::topicText("prawila"), "");
}

TEST_F(HelpWindow, aCoveredCloseButtonTakesNoMouseClickButTheKeyboardStillPressesIt) {
    openHelp();
    mouseClick(help(), "prawila");
    mouseClick(help(), "wib2");
    mouseClick(help(), "kl4");
    // Every button is visible; the highest "Назад" lies over all of them.
    for (const char* b : {"Command1", "Command2", "Command3", "Command4"}) {
        EXPECT_TRUE(help().widget(b)->isVisible()) << b;
        EXPECT_EQ(topmostAtCentre(help(), b), help().widget("Command4")) << b;
    }
    EXPECT_TRUE(model().coveredAtCentre(*model().find("Command1")));

    pressWithKeyboard(help(), "Command1");
    EXPECT_FALSE(help().isVisible());
    EXPECT_TRUE(boardTakesInput());

    // "Закрыть" only hid the window: it comes back exactly as it was left.
    openHelp();
    EXPECT_EQ(seen(), kListText);
    EXPECT_EQ(text1(), game::Help1::topicText("kl4"));
    mouseClick(help(), "Command4");
    EXPECT_EQ(seen(), kSquareList);
}

TEST_F(HelpWindow, theCloseBoxInAnyStateReopensAtTheTopWithAnEmptyHiddenText) {
    const std::vector<std::vector<const char*>> paths = {
        {}, {"zel"}, {"prawila"}, {"prawila", "wib1"}, {"prawila", "wib2"}, {"prawila", "wib1", "kn3"},
        {"prawila", "wib2", "kl6"},
    };
    for (const auto& path : paths) {
        openHelp();
        for (const char* step : path) mouseClick(help(), step);
        EXPECT_FALSE(boardTakesInput());
        help().close();  // the title bar's close box
        EXPECT_FALSE(help().isVisible());
        EXPECT_TRUE(boardTakesInput());
        EXPECT_FALSE(model().loaded());

        openHelp();
        EXPECT_EQ(seen(), kTop) << "after " << path.size() << " steps";
        EXPECT_EQ(text1(), "");
        for (const char* list : {"wib1", "wib2", "kn1", "kn5", "kl1", "kl6", "Text1"})
            EXPECT_FALSE(model().find(list)->visible) << list;
        mouseClick(help(), "Command1");
        EXPECT_FALSE(help().isVisible());
    }
}

TEST_F(HelpWindow, everyCaptionFitsItsLabelInTheInstalledFonts) {
    openHelp();
    for (const auto& c : model().controls()) {
        auto* l = qobject_cast<QLabel*>(help().widget(c->name));
        if (!l) continue;
        const QRect area = l->contentsRect();
        const QRect needed = QFontMetrics(l->font()).boundingRect(
            area, Qt::TextWordWrap | static_cast<int>(l->alignment()), l->text());
        EXPECT_LE(needed.width(), area.width()) << c->name;
        EXPECT_LE(needed.height(), area.height()) << c->name;
    }
    // The topics keep one look.
    EXPECT_EQ(help().widget("zel")->font(), help().widget("kn5")->font());
}

TEST_F(HelpWindow, theBoardIgnoresItsCloseBoxWhileHelpIsOpen) {
    openHelp();
    win("torgal").close();
    EXPECT_FALSE(h.game.ended());
    EXPECT_EQ(h.end.ends, 0);
    EXPECT_TRUE(help().isVisible());
}

TEST_F(HelpWindow, theLongestTextWrapsAtTheBoxWidthAndScrollsVertically) {
    openHelp();
    mouseClick(help(), "prawila");
    mouseClick(help(), "wib2");
    mouseClick(help(), "kl4");
    auto* box = static_cast<QPlainTextEdit*>(help().widget("Text1"));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    const QTextLayout* layout = box->document()->firstBlock().layout();
    ASSERT_TRUE(layout);
    EXPECT_GT(layout->lineCount(), 5);
    // The box lies over the topic area and leaves the title and buttons free.
    EXPECT_FALSE(box->geometry().intersects(help().widget("Label1")->geometry()));
    EXPECT_FALSE(box->geometry().intersects(help().widget("Command1")->geometry()));
}

TEST_F(HelpWindow, theAboutWindowClosesBothWaysAndReopensTheSame) {
    auto& board = static_cast<forms::TorgalForm&>(win("torgal"));
    board.action("op")->trigger();
    forms::FormWindow& about = win("helpprog");
    ASSERT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе..."));
    EXPECT_FALSE(boardTakesInput());
    const std::string text = h.game.helpprog().find("Label1")->caption;
    EXPECT_FALSE(text.empty());

    // Clicks on the picture and the text do nothing.
    mouseClick(about, "Image1");
    mouseClick(about, "Label1");
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(boardTakesInput());

    mouseClick(about, "Command1");
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(boardTakesInput());

    board.action("op")->trigger();
    EXPECT_TRUE(about.isVisible());
    EXPECT_FALSE(boardTakesInput());
    about.close();
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(boardTakesInput());

    board.action("op")->trigger();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(h.game.helpprog().find("Label1")->caption, text);
    EXPECT_EQ(static_cast<QAbstractButton*>(about.widget("Command1"))->text(), QStringLiteral("Закрыть"));
    mouseClick(about, "Command1");
}

}  // namespace
