#pragma once
// Small widgets for the kinds of control Qt has no direct match for.

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "game/control.h"

namespace forms {

// The label's font, shrunk until its word-wrapped caption fits the label:
// first a narrower face of the same family, then smaller sizes (down to
// 60 % of the design size). A caption that fits keeps the design font.
// The faces standing in for the game's fonts can be wider than those.
QFont fittedFont(const QLabel* label);

// A label or picture that reports mouse clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // Shows a picture from the resources, stretched to the label, in the
    // resolution that suits the screen (name.png or name@2x.png).
    bool setPicture(const QString& resource);
Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString resource_;
    QPixmap picture_;  // decoded on first paint, for the screen's resolution
    qreal pictureRatio_ = 0;
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
