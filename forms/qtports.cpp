#include "forms/qtports.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "forms/screen.h"

namespace forms {

game::Answer QtDialogs::msgBox(const std::string& text, const std::string& title, int style) {
    if (screen_) screen_->renderAll();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style) {
    case game::StyleStop: icon = QMessageBox::Critical; break;
    case game::StyleExclamation: icon = QMessageBox::Warning; break;
    case game::StyleInformation: icon = QMessageBox::Information; break;
    default: break;
    }
    const bool question = style == game::StyleYesNo;
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text),
                    question ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    screen_ ? screen_->activeWindow() : nullptr);
    box.setWindowModality(Qt::ApplicationModal);
    if (question) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box.setDefaultButton(QMessageBox::Yes);
    }
    const int r = box.exec();
    if (!question) return game::Answer::Ok;
    return r == QMessageBox::Yes ? game::Answer::Yes : game::Answer::No;
}

void QtProgramEnd::end() {
    if (screen_) screen_->hideAll();
    QCoreApplication::exit(0);
}

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

void installRussianTranslation() {
    auto* tr = new QTranslator(qApp);
    if (tr->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tr);
    else
        delete tr;
}

}  // namespace forms
