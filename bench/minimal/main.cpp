// The floor for the game's start-up and memory: a Qt Widgets program with
// one window holding one label, built with the same compiler and flags.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Торгалия"));
    label.setWindowTitle(QStringLiteral("minimal"));
    label.resize(320, 200);
    label.show();
    return app.exec();
}
