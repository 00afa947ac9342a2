#include "media/buttonbar.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace media {

namespace {

QToolButton* addButton(QWidget* bar, QHBoxLayout* layout, const char* name, QStyle::StandardPixmap icon,
                       const QString& tip, std::function<void()> action) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(bar->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);  // keep the keyboard on the board
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QObject::connect(button, &QToolButton::clicked, bar, [action = std::move(action)] {
        if (action) action();
    });
    layout->addWidget(button);
    return button;
}

}  // namespace

ButtonBar::ButtonBar(QWidget* parent, Actions actions) : QWidget(parent) {
    setObjectName(QStringLiteral("musicButtonBar"));
    setFixedSize(kWidth, kHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    addButton(this, layout, "play", QStyle::SP_MediaPlay, QStringLiteral("Играть"), std::move(actions.play));
    addButton(this, layout, "pause", QStyle::SP_MediaPause, QStringLiteral("Пауза"),
              std::move(actions.pauseOrResume));
    addButton(this, layout, "stop", QStyle::SP_MediaStop, QStringLiteral("Стоп"), std::move(actions.stop));
    hide();
}

}  // namespace media
