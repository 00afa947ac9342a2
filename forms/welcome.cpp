#include "forms/welcome.h"

#include <QLabel>

#include "forms/widgets.h"

namespace forms {

void WelcomeForm::render() {
    FormWindow::render();
    // The greeting never changes: fitting it once is enough.
    if (fitted_) return;
    fitted_ = true;
    for (const char* name : {"Label1", "Label2"})
        if (auto* l = qobject_cast<QLabel*>(widget(name))) l->setFont(fittedFont(l));
}

}  // namespace forms
