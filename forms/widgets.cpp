#include "forms/widgets.h"

#include <QFile>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace forms {

QFont fittedFont(const QLabel* label) {
    QFont f = label->font();
    const QString text = label->text();
    const QRect area = label->contentsRect();
    if (text.isEmpty() || area.isEmpty()) return f;
    const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
    const auto fits = [&](const QFont& candidate) {
        const QRect needed = QFontMetrics(candidate).boundingRect(area, flags, text);
        return needed.width() <= area.width() && needed.height() <= area.height();
    };
    if (fits(f)) return f;
    const qreal design = f.pointSizeF();
    f.setStretch(QFont::SemiCondensed);
    while (!fits(f) && f.pointSizeF() - 0.25 >= design * 0.6) f.setPointSizeF(f.pointSizeF() - 0.25);
    return f;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
    QLabel::mouseReleaseEvent(e);
}

bool ClickLabel::setPicture(const QString& resource) {
    if (!QFile::exists(resource)) return false;
    resource_ = resource;
    picture_ = QPixmap();
    update();
    return true;
}

void ClickLabel::paintEvent(QPaintEvent* e) {
    if (resource_.isEmpty()) return QLabel::paintEvent(e);
    // Only the resolution the screen needs is decoded, on first paint: the
    // board holds dozens of pictures, and decoding both sizes up front
    // kept several megabytes of images nobody would see.
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || pictureRatio_ != ratio) {
        QString file = resource_;
        if (ratio > 1.0) {
            QString hi = resource_;
            hi.insert(hi.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
            if (QFile::exists(hi)) file = hi;
        }
        picture_.load(file);
        pictureRatio_ = ratio;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), picture_);
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
