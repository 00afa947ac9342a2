#include "media/player.h"

// Compiled against the SDL headers but not linked with the libraries: they
// (and the forty-odd libraries they pull in) are loaded with dlopen on the
// first file opened, so a game that never plays music never loads them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>
#include <dlfcn.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

namespace media {

namespace {

// SDL_mixer keeps one global mixer per process; only one Player may own it.
// A second Player alive at the same time stays silent instead of closing the
// first one's device under its feet.
std::atomic<bool> g_mixerTaken{false};

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkFrames = 2048;  // ~46 ms: plenty for music, few wake-ups

// How long the end of the program waits for the worker to close the audio
// device (a few milliseconds as a rule).
constexpr auto kEndWait = std::chrono::milliseconds(500);

// Only plain files are opened: a FIFO or a device node could block the worker
// forever, and with it all music.
bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// The SDL and SDL_mixer functions the player calls, resolved at run time.
struct Sdl {
    decltype(&::SDL_SetHint) SDL_SetHint;
    decltype(&::SDL_InitSubSystem) SDL_InitSubSystem;
    decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem;
    decltype(&::SDL_RWFromFile) SDL_RWFromFile;
    decltype(&::SDL_TLSCleanup) SDL_TLSCleanup;
    decltype(&::Mix_OpenAudio) Mix_OpenAudio;
    decltype(&::Mix_CloseAudio) Mix_CloseAudio;
    decltype(&::Mix_Quit) Mix_Quit;
    decltype(&::Mix_QuerySpec) Mix_QuerySpec;
    decltype(&::Mix_SetPostMix) Mix_SetPostMix;
    decltype(&::Mix_SetSoundFonts) Mix_SetSoundFonts;
    decltype(&::Mix_LoadMUS_RW) Mix_LoadMUS_RW;
    decltype(&::Mix_FreeMusic) Mix_FreeMusic;
    decltype(&::Mix_GetMusicType) Mix_GetMusicType;
    decltype(&::Mix_PlayMusic) Mix_PlayMusic;
    decltype(&::Mix_HaltMusic) Mix_HaltMusic;
    decltype(&::Mix_PauseMusic) Mix_PauseMusic;
    decltype(&::Mix_ResumeMusic) Mix_ResumeMusic;
    decltype(&::Mix_PlayingMusic) Mix_PlayingMusic;
    decltype(&::Mix_PausedMusic) Mix_PausedMusic;
};

template <class F>
bool resolve(void* library, const char* name, F& out) {
    out = reinterpret_cast<F>(dlsym(library, name));
    return out != nullptr;
}

bool resolveAll(void* sdl, void* mixer, Sdl& f) {
    bool ok = true;
#define TORGALIA_RESOLVE(library, name) ok = resolve(library, #name, f.name) && ok
    TORGALIA_RESOLVE(sdl, SDL_SetHint);
    TORGALIA_RESOLVE(sdl, SDL_InitSubSystem);
    TORGALIA_RESOLVE(sdl, SDL_QuitSubSystem);
    TORGALIA_RESOLVE(sdl, SDL_RWFromFile);
    TORGALIA_RESOLVE(sdl, SDL_TLSCleanup);
    TORGALIA_RESOLVE(mixer, Mix_OpenAudio);
    TORGALIA_RESOLVE(mixer, Mix_CloseAudio);
    TORGALIA_RESOLVE(mixer, Mix_Quit);
    TORGALIA_RESOLVE(mixer, Mix_QuerySpec);
    TORGALIA_RESOLVE(mixer, Mix_SetPostMix);
    TORGALIA_RESOLVE(mixer, Mix_SetSoundFonts);
    TORGALIA_RESOLVE(mixer, Mix_LoadMUS_RW);
    TORGALIA_RESOLVE(mixer, Mix_FreeMusic);
    TORGALIA_RESOLVE(mixer, Mix_GetMusicType);
    TORGALIA_RESOLVE(mixer, Mix_PlayMusic);
    TORGALIA_RESOLVE(mixer, Mix_HaltMusic);
    TORGALIA_RESOLVE(mixer, Mix_PauseMusic);
    TORGALIA_RESOLVE(mixer, Mix_ResumeMusic);
    TORGALIA_RESOLVE(mixer, Mix_PlayingMusic);
    TORGALIA_RESOLVE(mixer, Mix_PausedMusic);
#undef TORGALIA_RESOLVE
    return ok;
}

// FluidSynth logs to stderr. SDL_mixer brings it in (linked, or loaded
// itself for MIDI); a missing one only means nothing to silence.
void silenceFluidSynthLog() {
    void* fluid = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_LOCAL);
    if (fluid == nullptr) return;
    decltype(&::fluid_set_log_function) setLog = nullptr;
    if (resolve(fluid, "fluid_set_log_function", setLog)) {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) setLog(level, nullptr, nullptr);
    }
    // The handle stays open: the log functions are global state of the library.
}

// Loads the libraries once per process and pair of names (the names are
// options so tests can play a machine without them) and keeps them loaded:
// SDL leaves threads and handlers behind that must never lose their code.
// Null when either library or any function is missing; then nothing is kept.
const Sdl* loadSdl(const std::string& sdlName, const std::string& mixerName) {
    static std::mutex mutex;
    // Never destroyed: a worker left running at the program's end (see
    // ~Player) may still be using its entry while the process exits.
    static auto& loaded = *new std::map<std::pair<std::string, std::string>, Sdl>;
    std::lock_guard lock(mutex);
    const auto key = std::make_pair(sdlName, mixerName);
    if (auto it = loaded.find(key); it != loaded.end()) return &it->second;

    void* sdl = dlopen(sdlName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (sdl == nullptr) return nullptr;
    void* mixer = dlopen(mixerName.c_str(), RTLD_NOW | RTLD_LOCAL);
    Sdl f{};
    if (mixer == nullptr || !resolveAll(sdl, mixer, f)) {
        if (mixer != nullptr) dlclose(mixer);
        dlclose(sdl);
        return nullptr;
    }
    silenceFluidSynthLog();
    return &loaded.emplace(key, f).first->second;
}

// RMS of the mixed output over a sliding window of whole mixer chunks.
// feed() runs on SDL's audio thread only; level is read from anywhere.
class LevelMeter {
public:
    void reset(int frequency, Uint16 format, int channels) {
        used_ = 0;
        next_ = 0;
        format_ = format;
        window_ = static_cast<long>(frequency) * channels / 2;  // half a second
        level.store(0.0);
    }

    void feed(const Uint8* stream, int len) {
        double sum = 0.0;
        long count = 0;
        if (format_ == AUDIO_S16SYS) {
            count = len / static_cast<long>(sizeof(Sint16));
            for (long i = 0; i < count; ++i) {
                Sint16 v;
                std::memcpy(&v, stream + i * sizeof v, sizeof v);
                const double x = v / 32768.0;
                sum += x * x;
            }
        } else if (format_ == AUDIO_F32SYS) {
            count = len / static_cast<long>(sizeof(float));
            for (long i = 0; i < count; ++i) {
                float v;
                std::memcpy(&v, stream + i * sizeof v, sizeof v);
                sum += static_cast<double>(v) * v;
            }
        } else {
            return;  // not a format we open the device with
        }
        blocks_[next_] = {sum, count};
        next_ = (next_ + 1) % blocks_.size();
        if (used_ < blocks_.size()) ++used_;

        // Newest blocks first, until the window is covered.
        double total = 0.0;
        long samples = 0;
        for (std::size_t k = 1; k <= used_ && samples < window_; ++k) {
            const Block& b = blocks_[(next_ + blocks_.size() - k) % blocks_.size()];
            total += b.sum;
            samples += b.count;
        }
        level.store(samples > 0 ? std::sqrt(total / static_cast<double>(samples)) : 0.0);
    }

    static void SDLCALL postMix(void* self, Uint8* stream, int len) {
        static_cast<LevelMeter*>(self)->feed(stream, len);
    }

    std::atomic<double> level{0.0};

private:
    struct Block {
        double sum = 0.0;
        long count = 0;
    };
    std::array<Block, 256> blocks_{};
    std::size_t used_ = 0;
    std::size_t next_ = 0;
    Uint16 format_ = 0;
    long window_ = 1;
};

}  // namespace

// Owned jointly by the Player and its worker thread, so that a worker left
// behind at the end (see ~Player) never runs on freed state.
struct Player::State : std::enable_shared_from_this<State> {
    enum class Op { Open, Play, Stop, PauseOrResume };
    struct Command {
        Op op;
        std::string path;
    };
    enum class Audio { Closed, Open, Failed };

    explicit State(PlayerOptions o) : options(std::move(o)) {}

    void enqueue(Command c);
    void run();
    void execute(const Command& c);
    void openFile(const std::string& path);
    void play();
    void pauseOrResume();
    bool ensureAudio();
    void closeAudio();
    void freeMusic();

    const PlayerOptions options;

    // Shared between the callers and the worker, guarded by mutex.
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Command> queue;
    bool busy = false;
    bool quit = false;
    bool dead = false;  // the worker could not be started: stay silent
    bool stopped = false;  // the worker has closed the device and is ending
    std::thread worker;

    // The worker's own state.
    Audio audio = Audio::Closed;
    const Sdl* sdl = nullptr;  // set once the libraries are loaded, with the device
    bool ownsMixer = false;
    bool soundFontPresent = false;
    Mix_Music* music = nullptr;
    LevelMeter meter;
};

void Player::State::enqueue(Command c) {
    {
        std::lock_guard lock(mutex);
        if (quit || dead) return;
        queue.push_back(std::move(c));
        if (!worker.joinable()) {
            try {
                worker = std::thread([self = shared_from_this()] { self->run(); });
            } catch (...) {
                dead = true;
                queue.clear();
                return;
            }
        }
    }
    wake.notify_one();
}

void Player::State::run() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return quit || !queue.empty(); });
        if (quit) break;
        Command c = std::move(queue.front());
        queue.pop_front();
        busy = true;
        lock.unlock();
        try {
            execute(c);
        } catch (...) {
            // A failed command leaves silence; the game goes on.
        }
        lock.lock();
        busy = false;
        if (queue.empty()) idle.notify_all();
    }
    lock.unlock();
    closeAudio();
    if (sdl != nullptr) sdl->SDL_TLSCleanup();  // SDL keeps per-thread data (its error text) for threads it did not create
    lock.lock();
    stopped = true;
    idle.notify_all();
}

void Player::State::execute(const Command& c) {
    switch (c.op) {
    case Op::Open:
        openFile(c.path);
        break;
    case Op::Play:
        play();
        break;
    case Op::Stop:
        if (audio == Audio::Open) sdl->Mix_HaltMusic();
        break;
    case Op::PauseOrResume:
        pauseOrResume();
        break;
    }
}

void Player::State::openFile(const std::string& path) {
    // Whatever played before goes quiet, whether or not the new file plays.
    if (audio == Audio::Open) {
        sdl->Mix_HaltMusic();
        freeMusic();
    }
    if (!isRegularFile(path) || !ensureAudio()) return;

    // Loading through an RWops lets SDL_mixer judge the file by its content:
    // garbage named .mid is rejected, a mislabelled file still plays.
    SDL_RWops* rw = sdl->SDL_RWFromFile(path.c_str(), "rb");
    if (rw == nullptr) return;
    Mix_Music* loaded = sdl->Mix_LoadMUS_RW(rw, 1);
    if (loaded == nullptr) return;
    // FluidSynth refuses MIDI when the soundfont set below is missing; should
    // another MIDI backend take it anyway, it stays unplayed.
    if (sdl->Mix_GetMusicType(loaded) == MUS_MID && !soundFontPresent) {
        sdl->Mix_FreeMusic(loaded);
        return;
    }
    music = loaded;
}

void Player::State::play() {
    if (audio != Audio::Open || music == nullptr) return;
    if (sdl->Mix_PlayingMusic()) {
        if (sdl->Mix_PausedMusic()) sdl->Mix_ResumeMusic();
        return;  // already playing: carry on rather than restart
    }
    sdl->Mix_PlayMusic(music, 0);  // once; a finished track is not started again
}

void Player::State::pauseOrResume() {
    if (audio != Audio::Open || !sdl->Mix_PlayingMusic()) return;
    if (sdl->Mix_PausedMusic()) {
        sdl->Mix_ResumeMusic();
    } else {
        sdl->Mix_PauseMusic();
    }
}

bool Player::State::ensureAudio() {
    if (audio != Audio::Closed) return audio == Audio::Open;
    audio = Audio::Failed;  // until proven otherwise; never retried

    if (g_mixerTaken.exchange(true)) return false;
    ownsMixer = true;

    sdl = loadSdl(options.sdlLibrary, options.mixerLibrary);
    if (sdl == nullptr) {
        g_mixerTaken.store(false);
        ownsMixer = false;
        return false;
    }
    // The program handles its own signals; SDL would otherwise catch
    // SIGINT/SIGTERM and turn them into quit events nobody reads.
    sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        g_mixerTaken.store(false);
        ownsMixer = false;
        return false;
    }
    if (sdl->Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
        sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g_mixerTaken.store(false);
        ownsMixer = false;
        return false;
    }
    soundFontPresent = isRegularFile(options.soundFont);
    // Set even when missing: SDL_mixer's default may be a huge soundfont
    // (slow to load, 170 MB of memory); a missing one makes MIDI loads fail.
    sdl->Mix_SetSoundFonts(options.soundFont.c_str());

    if (options.levelMeter) {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        sdl->Mix_QuerySpec(&frequency, &format, &channels);
        meter.reset(frequency, format, channels);  // not yet seen by the audio thread
        sdl->Mix_SetPostMix(&LevelMeter::postMix, &meter);
    }
    audio = Audio::Open;
    return true;
}

void Player::State::freeMusic() {
    if (music != nullptr) {
        sdl->Mix_FreeMusic(music);
        music = nullptr;
    }
}

void Player::State::closeAudio() {
    if (audio == Audio::Open) {
        sdl->Mix_HaltMusic();
        freeMusic();
        sdl->Mix_SetPostMix(nullptr, nullptr);
        sdl->Mix_CloseAudio();
        sdl->Mix_Quit();
        sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    audio = Audio::Closed;
    meter.level.store(0.0);
    if (ownsMixer) {
        ownsMixer = false;
        g_mixerTaken.store(false);
    }
}

Player::Player(PlayerOptions options) : s_(std::make_shared<State>(std::move(options))) {}

// The program ends right after this. An audio system stuck inside a call
// (a device that does not answer, a library waiting on another process)
// must not keep it from ending: after a bounded wait the worker is left to
// the end of the process, still owning its state.
Player::~Player() {
    std::unique_lock lock(s_->mutex);
    s_->quit = true;
    s_->queue.clear();  // a pending load is not worth waiting for
    s_->wake.notify_all();
    if (!s_->worker.joinable()) return;
    const bool stopped = s_->idle.wait_for(lock, kEndWait, [this] { return s_->stopped; });
    lock.unlock();
    if (stopped) {
        s_->worker.join();
    } else {
        s_->worker.detach();
    }
}

void Player::open(const std::string& path) { s_->enqueue({State::Op::Open, path}); }
void Player::play() { s_->enqueue({State::Op::Play, {}}); }
void Player::stop() { s_->enqueue({State::Op::Stop, {}}); }
void Player::pauseOrResume() { s_->enqueue({State::Op::PauseOrResume, {}}); }

double Player::recentLevel() const { return s_->meter.level.load(); }

void Player::waitIdle() {
    std::unique_lock lock(s_->mutex);
    s_->idle.wait(lock, [this] { return s_->queue.empty() && !s_->busy; });
}

}  // namespace media
