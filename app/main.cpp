// Торгалия: the program starts with the splash window and runs until one of
// the game's endings. Built twice: with music (TORGALIA_MUSIC) and silent.

#include <QApplication>

#include "forms/qtports.h"
#include "forms/screen.h"
#include "forms/sessionbus.h"
#include "game/clock_random.h"
#include "game/game.h"

#ifdef TORGALIA_MUSIC
#include "media/mp.h"
#endif

int main(int argc, char** argv) {
    forms::disableSessionBusAutolaunch();  // before any thread starts
    QApplication app(argc, argv);
    forms::installRussianTranslation();
    forms::installFontSubstitutions();

    game::ClockRandom random;
    forms::QtDialogs dialogs;
    forms::QtProgramEnd programEnd;
#ifdef TORGALIA_MUSIC
    media::Mp mp;
    game::Music* music = &mp;
#else
    game::Music* music = nullptr;
#endif
    game::Game game(dialogs, random, music, programEnd);
    forms::Screen screen(game);
    dialogs.setScreen(&screen);
    programEnd.setScreen(&screen);
#ifdef TORGALIA_MUSIC
    screen.setMusicBar([&mp] { return mp.buttonBar(); });
#endif
    game.begin();
    return app.exec();
}
