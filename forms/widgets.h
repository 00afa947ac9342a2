#pragma once
// Small widgets for the kinds of control Qt has no direct match for.

#include <QLabel>
#include <QWidget>

#include "game/control.h"

namespace forms {

// A label or picture that reports mouse clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A filled rectangle or circle with a border (tokens and markers). It takes
// no mouse input: clicks reach what lies beneath.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    explicit ShapeWidget(QWidget* parent = nullptr);
    void setShape(bool circle, QColor fill, QColor border);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool circle_ = false;
    QColor fill_, border_;
};

}  // namespace forms
