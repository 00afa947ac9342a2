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
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitutions(QStringLiteral("Arial"), {sans, QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {sans, QStringLiteral("DejaVu Sans")});
    // Menus, message boxes and the splash's stand-in all use the family the
    // windows' Arial already uses: one family's glyphs in memory, not two.
    QFont ui = QApplication::font();
    ui.setFamilies({sans, QStringLiteral("DejaVu Sans")});
    QApplication::setFont(ui);
}

void installRussianTranslation() {
    auto* tr = new QTranslator(qApp);
    if (tr->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tr);
    else
        delete tr;
}

}  // namespace forms
