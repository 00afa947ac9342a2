#include "forms/help1.h"

#include <QFontMetrics>
#include <QLabel>

#include <vector>

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

namespace {

int widthOf(const QFont& f) { return f.stretch() == QFont::AnyStretch ? QFont::Unstretched : f.stretch(); }

bool tighter(const QFont& a, const QFont& b) {
    if (a.pointSizeF() != b.pointSizeF()) return a.pointSizeF() < b.pointSizeF();
    return widthOf(a) < widthOf(b);
}

}  // namespace

void Help1Form::render() {
    FormWindow::render();
    // The captions never change: fitting them once is enough.
    if (fitted_) return;
    fitted_ = true;
    std::vector<QLabel*> topics;
    QFont common;
    for (const auto& c : form_.controls()) {
        auto* l = qobject_cast<QLabel*>(widget(c->name));
        if (!l) continue;
        const QFont f = fittedFont(l);
        if (!c->questionCursor) {
            l->setFont(f);  // the title
            continue;
        }
        if (topics.empty() || tighter(f, common)) common = f;
        topics.push_back(l);
    }
    for (QLabel* l : topics) l->setFont(common);
}

}  // namespace forms
