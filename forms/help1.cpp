#include "forms/help1.h"
#include "forms/widgets.h"

#include <QLabel>

#include <vector>

namespace forms {

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
