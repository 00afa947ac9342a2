#include "forms/helpprog.h"
#include "forms/widgets.h"

#include <QLabel>

#include "forms/help1.h"

namespace forms {

void HelpprogForm::render() {
    FormWindow::render();
    if (fitted_) return;
    fitted_ = true;
    if (auto* l = qobject_cast<QLabel*>(widget("Label1"))) l->setFont(fittedFont(l));
}

}  // namespace forms
