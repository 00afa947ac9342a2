// The music control against SDL's dummy audio driver, which mixes in real
// time without a sound card; the control's level meter shows what came out.

#include "forms/sessionbus.h"
#include "media/mp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include <dlfcn.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using media::Mp;

namespace {

// FluidSynth's dither stays around 3e-5; a MIDI chord is near 0.05 and the
// test sine (amplitude 0.5) gives 0.35.
constexpr double kSilence = 0.001;
constexpr double kSound = 0.005;

std::string be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

// A format 0 MIDI file at 120 bpm: one C major chord on the piano per beat.
std::string midiChords(int beats) {
    const std::string tempo("\x00\xFF\x51\x03\x07\xA1\x20", 7);  // 500000 us per beat
    std::string track = tempo + std::string("\x00\xC0\x00", 3);
    for (int b = 0; b < beats; ++b) {
        for (char note : {'\x3C', '\x40', '\x43'}) track += std::string("\x00\x90", 2) + note + '\x6E';
        track += std::string("\x83\x60\x80\x3C\x00", 5);  // 480 ticks later
        track += std::string("\x00\x80\x40\x00\x00\x80\x43\x00", 8);
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    return "MThd" + be32(6) + std::string("\x00\x00\x00\x01\x01\xE0", 6) + "MTrk" + be32(track.size()) + track;
}

// 16-bit mono PCM WAV holding a 440 Hz sine of amplitude 0.5.
std::string wavSine(double seconds) {
    const int rate = 44100;
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::string data;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto v = static_cast<std::int16_t>(16384 * std::sin(2 * M_PI * 440.0 * i / rate));
        data += le16(static_cast<std::uint16_t>(v));
    }
    return "RIFF" + le32(36 + data.size()) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
           le32(rate * 2) + le16(2) + le16(16) + "data" + le32(data.size()) + data;
}

class MpTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int serial = 0;
        dir_ = fs::temp_directory_path() / ("mp_test_" + std::to_string(getpid()) + "_" + std::to_string(++serial));
        fs::create_directories(dir_);
        midi_ = write("chords.mid", midiChords(8));
        wav_ = write("sine.wav", wavSine(6.0));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    static Mp::Options metered() {
        Mp::Options o;
        o.levelMeter = true;
        return o;
    }

    // Waits for the queued commands, then long enough to fill the meter's window.
    static double levelSoon(Mp& mp) {
        mp.waitIdle();
        std::this_thread::sleep_for(700ms);
        return mp.recentLevel();
    }

    static void openAndPlay(Mp& mp, const std::string& path) {
        mp.setFileName(path);
        mp.command("open");
        mp.command("play");
    }

    fs::path dir_;
    std::string midi_;
    std::string wav_;
};

using MpPlayback = MpTest;
using MpBadInput = MpTest;
using MpLifetime = MpTest;
using MpButtonBar = MpTest;

TEST_F(MpPlayback, openAndPlayMakeAMidiFileSoundAndStopSilencesIt) {
    Mp mp(nullptr, metered());
    openAndPlay(mp, midi_);
    const double playing = levelSoon(mp);
    EXPECT_GT(playing, kSound);
    EXPECT_LT(playing, 0.3);  // a chord on the piano, not a clipped mess

    mp.command("stop");
    EXPECT_LT(levelSoon(mp), kSilence);

    mp.command("play");  // the file stayed open
    EXPECT_GT(levelSoon(mp), kSound);
}

TEST_F(MpPlayback, theGamesStartUpTrackReallySounds) {
    Mp mp(nullptr, metered());
    openAndPlay(mp, TORGALIA_SOURCE_DIR "/musik/track1.mid");
    EXPECT_GT(levelSoon(mp), kSound);
    mp.command("stop");
    EXPECT_LT(levelSoon(mp), kSilence);
}

TEST_F(MpPlayback, aNewFileReplacesTheOneOpenBeforeWithoutAStop) {
    Mp mp(nullptr, metered());
    openAndPlay(mp, wav_);
    EXPECT_NEAR(levelSoon(mp), 0.354, 0.03);

    openAndPlay(mp, midi_);
    const double midi = levelSoon(mp);
    EXPECT_GT(midi, kSound);
    EXPECT_LT(midi, 0.2);  // the sine is gone, not mixed in

    openAndPlay(mp, wav_);
    EXPECT_NEAR(levelSoon(mp), 0.354, 0.03);
}

TEST_F(MpPlayback, theContentDecidesTheFormatNotTheName) {
    Mp mp(nullptr, metered());
    openAndPlay(mp, write("wave-really.mid", wavSine(3.0)));
    EXPECT_NEAR(levelSoon(mp), 0.354, 0.03);
}

TEST_F(MpPlayback, aTrackThatEndsIsNotStartedAgain) {
    Mp mp(nullptr, metered());
    openAndPlay(mp, write("short.mid", midiChords(1)));
    EXPECT_GT(levelSoon(mp), kSound);

    // Half a second of notes plus the reverb tail; a repeat would sound again.
    const auto deadline = std::chrono::steady_clock::now() + 8s;
    while (mp.recentLevel() > kSilence && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_LT(mp.recentLevel(), kSilence);
    std::this_thread::sleep_for(1500ms);
    EXPECT_LT(mp.recentLevel(), kSilence);
}

TEST_F(MpBadInput, unplayablePathsLeaveSilenceAndSilenceWhatPlayedBefore) {
    const std::string midi = midiChords(4);
    const std::string paths[] = {
        "",
        (dir_ / "missing.mid").string(),
        write("garbage.mid", std::string(4096, 'x')),
        write("truncated.mid", midi.substr(0, 30)),
        write("empty.wav", ""),
        dir_.string(),
    };
    Mp mp(nullptr, metered());
    testing::internal::CaptureStderr();
    for (const std::string& path : paths) {
        SCOPED_TRACE("path: '" + path + "'");
        openAndPlay(mp, wav_);
        EXPECT_GT(levelSoon(mp), kSound);
        openAndPlay(mp, path);
        EXPECT_LT(levelSoon(mp), kSilence);
    }
    // FluidSynth would complain about the truncated file on the console.
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(MpBadInput, aMissingSoundfontSilencesMidiButNotOtherFormats) {
    Mp::Options options = metered();
    options.soundFont = (dir_ / "none.sf2").string();
    Mp mp(nullptr, options);
    openAndPlay(mp, midi_);
    EXPECT_LT(levelSoon(mp), kSilence);
    openAndPlay(mp, wav_);
    EXPECT_GT(levelSoon(mp), kSound);
}

TEST_F(MpBadInput, withoutASoundDeviceEveryCommandDoesNothing) {
    const std::string driver = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    {
        Mp mp(nullptr, metered());
        openAndPlay(mp, midi_);
        mp.command("stop");
        openAndPlay(mp, wav_);
        EXPECT_LT(levelSoon(mp), kSilence);
    }
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);

    Mp later(nullptr, metered());  // a failed start leaves nothing behind
    openAndPlay(later, wav_);
    EXPECT_GT(levelSoon(later), kSound);
}

TEST_F(MpLifetime, everyCallReturnsWithinFiveMilliseconds) {
    using Clock = std::chrono::steady_clock;
    Mp mp(nullptr, metered());
    Clock::duration slowest{};
    const auto timed = [&](auto call) {
        const auto start = Clock::now();
        call();
        slowest = std::max(slowest, Clock::now() - start);
    };
    // The game's start-up sequence: the first call also starts the worker.
    const auto begin = Clock::now();
    timed([&] { mp.setFileName(midi_); });
    timed([&] { mp.command("open"); });
    timed([&] { mp.command("play"); });
    // Choosing other tracks while the first is still loading.
    for (int i = 0; i < 5; ++i) {
        timed([&] { mp.command("stop"); });
        timed([&] { mp.setFileName(i % 2 ? wav_ : midi_); });
        timed([&] { mp.command("open"); });
        timed([&] { mp.command("play"); });
    }
    mp.waitIdle();
    const auto busy = Clock::now() - begin;
    const auto us = [](Clock::duration d) {
        return std::chrono::duration_cast<std::chrono::microseconds>(d).count();
    };
    std::printf("slowest call %ld us; device start and 6 loads took %ld us\n", static_cast<long>(us(slowest)),
                static_cast<long>(us(busy)));
    EXPECT_LT(slowest, 5ms);
    EXPECT_GT(levelSoon(mp), kSound);
}

TEST_F(MpLifetime, sdlLeavesTheProgramsSignalHandlingAlone) {
    struct sigaction intBefore {}, termBefore {}, intAfter {}, termAfter {};
    sigaction(SIGINT, nullptr, &intBefore);
    sigaction(SIGTERM, nullptr, &termBefore);
    Mp mp(nullptr, metered());
    openAndPlay(mp, wav_);
    mp.waitIdle();
    ASSERT_GT(levelSoon(mp), kSound);  // the audio device is open
    sigaction(SIGINT, nullptr, &intAfter);
    sigaction(SIGTERM, nullptr, &termAfter);
    EXPECT_EQ(intAfter.sa_handler, intBefore.sa_handler);
    EXPECT_EQ(termAfter.sa_handler, termBefore.sa_handler);
}

TEST_F(MpLifetime, destroyingWhilePlayingOrLoadingIsClean) {
    {
        Mp mp(nullptr, metered());
        openAndPlay(mp, midi_);
        EXPECT_GT(levelSoon(mp), kSound);
    }
    {
        Mp mp(nullptr, metered());
        openAndPlay(mp, midi_);  // destroyed before the worker is done
    }
    {
        Mp mp;  // never used
    }
    Mp again(nullptr, metered());  // the device was closed and can be opened anew
    openAndPlay(again, midi_);
    EXPECT_GT(levelSoon(again), kSound);
}

// The libraries are loaded by the player itself, on the first file opened:
// a game that plays nothing never loads them. Only observable in a process
// where no earlier test loaded them (ctest runs each test on its own).
TEST_F(MpLifetime, theAudioLibrariesLoadWithTheFirstFileOpenedNotBefore) {
    const auto loaded = [] {
        void* h = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (h != nullptr) dlclose(h);
        return h != nullptr;
    };
    if (loaded()) GTEST_SKIP() << "an earlier test in this process loaded SDL_mixer";
    Mp mp(nullptr, metered());
    mp.setButtonsVisible(true);
    openAndPlay(mp, (dir_ / "missing.mid").string());
    mp.command("stop");
    mp.waitIdle();
    EXPECT_FALSE(loaded());
    openAndPlay(mp, wav_);
    EXPECT_GT(levelSoon(mp), kSound);
    EXPECT_TRUE(loaded());
}

// Both run in a fresh process of their own: the first SDL start-up of a
// process is the one that looks for a session bus, and a stuck worker
// stays where it is left.
TEST_F(MpLifetime, startingTheAudioWithoutASessionBusForksNothingAndStillSounds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            alarm(20);
            unsetenv("DBUS_SESSION_BUS_ADDRESS");
            setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);  // no bus socket there
            setenv("DISPLAY", ":99", 1);                  // libdbus autolaunches only for a display
            static int forks = 0;
            pthread_atfork([] { ++forks; }, nullptr, nullptr);
            forms::disableSessionBusAutolaunch();
            Mp mp(nullptr, metered());
            openAndPlay(mp, wav_);
            const double level = levelSoon(mp);
            std::fprintf(stderr, "forks %d, level %.3f\n", forks, level);
            std::_Exit(forks == 0 && level > kSound ? 0 : 1);
        },
        testing::ExitedWithCode(0), "forks 0");
}

TEST_F(MpLifetime, anAudioStartUpThatNeverReturnsDoesNotHoldUpTheEnd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            alarm(10);  // a hang fails as a signal rather than holding up the suite
            Mp::Options options;
            options.sdlLibrary = options.mixerLibrary = TORGALIA_STUCK_AUDIO;
            auto mp = std::make_unique<Mp>(nullptr, options);
            openAndPlay(*mp, wav_);
            std::this_thread::sleep_for(300ms);  // the worker is inside the start-up by now
            const auto start = std::chrono::steady_clock::now();
            mp.reset();
            std::exit(std::chrono::steady_clock::now() - start < 1s ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(MpBadInput, withoutTheAudioLibrariesEveryCommandDoesNothingQuietly) {
    testing::internal::CaptureStderr();
    for (const char* which : {"sdl", "mixer"}) {
        Mp::Options options = metered();
        (std::string(which) == "sdl" ? options.sdlLibrary : options.mixerLibrary) = "libno-such-library.so.0";
        Mp mp(nullptr, options);
        openAndPlay(mp, wav_);
        mp.command("stop");
        openAndPlay(mp, midi_);
        EXPECT_LT(levelSoon(mp), kSilence) << which;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    Mp later(nullptr, metered());  // the mixer was left free for the next control
    openAndPlay(later, wav_);
    EXPECT_GT(levelSoon(later), kSound);
}

TEST_F(MpButtonBar, theBarSitsOnItsParentHiddenUntilShown) {
    QWidget board;
    auto mp = std::make_unique<Mp>(&board);
    QWidget* bar = mp->buttonBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget(), &board);
    EXPECT_EQ(bar->size(), QSize(236, 25));
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->findChildren<QToolButton*>().size(), 3);

    mp->setButtonsVisible(true);
    EXPECT_FALSE(bar->isHidden());
    mp->setButtonsVisible(false);
    EXPECT_TRUE(bar->isHidden());

    mp.reset();  // the bar goes with the control: its buttons would call a dead object
    EXPECT_EQ(board.findChild<QWidget*>(QStringLiteral("musicButtonBar")), nullptr);

    auto window = std::make_unique<QWidget>();
    Mp outlives(window.get());
    window.reset();  // the bar went with its window
    outlives.setButtonsVisible(true);
    EXPECT_EQ(outlives.buttonBar(), nullptr);
}

TEST_F(MpButtonBar, theButtonsPlayPauseAndStopTheOpenFile) {
    QWidget board;
    Mp mp(&board, metered());
    mp.setFileName(midi_);
    mp.command("open");
    const auto click = [&](const char* name) {
        auto* button = mp.buttonBar()->findChild<QToolButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    };
    click("play");
    EXPECT_GT(levelSoon(mp), kSound);
    click("pause");
    EXPECT_LT(levelSoon(mp), kSilence);
    click("pause");
    EXPECT_GT(levelSoon(mp), kSound);
    click("pause");
    click("stop");  // stopped while paused
    click("pause");  // nothing to resume after a stop
    EXPECT_LT(levelSoon(mp), kSilence);
    click("play");
    EXPECT_GT(levelSoon(mp), kSound);
    click("play");  // already playing: goes on
    EXPECT_GT(levelSoon(mp), kSound);
}

}  // namespace

int main(int argc, char** argv) {
    // Tests never make a noise; a real device would work as well.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
