#pragma once
// A Qt window drawn from one window model of the game. It builds a widget
// for every control at its place (twips / 15 = pixels), stacks them as the
// model says, forwards each user action to the game, and after every action
// renders the model's state again. Windows with special controls derive
// from it and build those themselves.

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "game/control.h"
#include "game/form.h"

namespace game {
class Game;
}

namespace forms {

class Screen;

// Pixels of a length in twips at 100 % scale.
inline int px(int twips) { return (twips + 7) / 15; }
QColor qcolor(game::Colour c);
QFont qfont(const game::Font& f);

class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(Screen& screen, game::Form& form, QWidget* parent = nullptr);

    game::Form& form() const { return form_; }
    // Builds the widgets; called once by the screen after construction.
    void build();
    // Brings every widget, the window's visibility and its timers in line
    // with the model.
    virtual void render();
    QWidget* widget(const std::string& control) const;
    // The area that holds the controls (below a menu bar, if any).
    QWidget* canvas() const { return canvas_; }

protected:
    // Makes the widget of a control; the default covers the usual kinds.
    virtual QWidget* createWidget(game::Control& c);
    virtual void renderControl(const game::Control& c, QWidget* w);
    // Extra rows above the canvas (the board's menu bar).
    virtual int topMargin() const { return 0; }
    // A disabled window takes no input. Its controls are disabled rather
    // than the window itself, so side windows owned by it stay usable.
    virtual void applyEnabled(bool on);

    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

    Screen& screen_;
    game::Game& game_;
    game::Form& form_;

private:
    void syncTimers();

    QWidget* canvas_ = nullptr;
    QHash<QString, QWidget*> widgets_;
    QHash<QString, QTimer*> timers_;
    bool built_ = false;
    bool placed_ = false;
};

}  // namespace forms
