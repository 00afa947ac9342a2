#pragma once
// Music playback on a worker thread of its own. Every SDL and SDL_mixer call
// happens on that thread, in the order the commands arrived, so the callers
// (the GUI thread) never wait for a device, a decoder or a soundfont. The
// libraries themselves are loaded there too, on the first file opened: a
// program that plays nothing starts without them.

#include <memory>
#include <string>

namespace media {

struct PlayerOptions {
    // The General MIDI soundfont used for MIDI files. When it is missing,
    // MIDI files stay silent rather than fall back to some other soundfont.
    std::string soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    // The shared libraries loaded (once per process) on the first file
    // opened. When either is missing the player stays silent.
    std::string sdlLibrary = "libSDL2-2.0.so.0";
    std::string mixerLibrary = "libSDL2_mixer-2.0.so.0";
    // Measures the mixed output (see Player::recentLevel); meant for tests.
    bool levelMeter = false;
};

class Player {
public:
    explicit Player(PlayerOptions options = {});
    // Drops pending commands, stops the music and closes the audio device.
    // Returns within half a second even when the audio system hangs.
    ~Player();

    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // All of these queue a command and return at once. Failures (no sound
    // device, unreadable or unplayable file, missing soundfont) end in
    // silence, never in an error.
    void open(const std::string& path);  // replaces (and silences) any open file
    void play();                          // starts the open file, or resumes it when paused
    void stop();                          // silences; the file stays open
    void pauseOrResume();                 // toggles pause while a file plays

    // RMS of the mixed output over about the last half second, as a fraction
    // of full scale; 0 without the level meter or without an open device.
    double recentLevel() const;

    // Blocks until every queued command has been carried out. For tests.
    void waitIdle();

private:
    struct State;
    std::shared_ptr<State> s_;
};

}  // namespace media
