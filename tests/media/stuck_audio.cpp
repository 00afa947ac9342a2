// Stands in for SDL and SDL_mixer: the audio start-up never returns, as when
// the audio system hangs waiting on a device or on another process. Only the
// names matter to the player, which looks every function up by name.

#include <unistd.h>

extern "C" {

int SDL_InitSubSystem(unsigned) {
    for (;;) pause();
}

#define TORGALIA_NEVER_CALLED(name) \
    void name() {}
TORGALIA_NEVER_CALLED(SDL_SetHint)
TORGALIA_NEVER_CALLED(SDL_QuitSubSystem)
TORGALIA_NEVER_CALLED(SDL_RWFromFile)
TORGALIA_NEVER_CALLED(SDL_TLSCleanup)
TORGALIA_NEVER_CALLED(Mix_OpenAudio)
TORGALIA_NEVER_CALLED(Mix_CloseAudio)
TORGALIA_NEVER_CALLED(Mix_Quit)
TORGALIA_NEVER_CALLED(Mix_QuerySpec)
TORGALIA_NEVER_CALLED(Mix_SetPostMix)
TORGALIA_NEVER_CALLED(Mix_SetSoundFonts)
TORGALIA_NEVER_CALLED(Mix_LoadMUS_RW)
TORGALIA_NEVER_CALLED(Mix_FreeMusic)
TORGALIA_NEVER_CALLED(Mix_GetMusicType)
TORGALIA_NEVER_CALLED(Mix_PlayMusic)
TORGALIA_NEVER_CALLED(Mix_HaltMusic)
TORGALIA_NEVER_CALLED(Mix_PauseMusic)
TORGALIA_NEVER_CALLED(Mix_ResumeMusic)
TORGALIA_NEVER_CALLED(Mix_PlayingMusic)
TORGALIA_NEVER_CALLED(Mix_PausedMusic)

}  // extern "C"
