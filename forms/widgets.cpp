#include "forms/widgets.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

namespace forms {

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
    QLabel::mouseReleaseEvent(e);
}

bool ClickLabel::setPicture(const QString& resource) {
    QString hi = resource;
    hi.insert(hi.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    if (!QFile::exists(resource)) return false;
    picture_ = QIcon();
    picture_.addFile(resource);
    if (QFile::exists(hi)) picture_.addFile(hi);
    update();
    return true;
}

void ClickLabel::paintEvent(QPaintEvent* e) {
    if (picture_.isNull()) return QLabel::paintEvent(e);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap pm = picture_.pixmap(size(), devicePixelRatioF());
    p.drawPixmap(rect(), pm);
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setShape(bool circle, QColor fill, QColor border) {
    if (circle == circle_ && fill == fill_ && border == border_) return;
    circle_ = circle;
    fill_ = fill;
    border_ = border;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, circle_);
    p.setPen(QPen(border_, 1));
    p.setBrush(fill_);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (circle_) p.drawEllipse(r);
    else p.drawRect(r);
}

}  // namespace forms
