// FluidSynth and SDL_mixer bring some forty libraries with them, and linking them took a sixth of
// the time to the first window, which plays no sound. So the game is linked against none of them:
// each function the sound uses is defined here and opens its library on the first call, which
// comes once the window is up. Without the library, it fails the way the library's own call does
// when it cannot work, and the game plays on without that sound.
#include <dlfcn.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <cstdio>
#include <mutex>

namespace {

struct Library {
    const char* soname;  // as the Debian package installs it
    const char* without;
    std::once_flag opened;
    void* handle = nullptr;
    const char* error = nullptr;
};

Library g_synth{"libfluidsynth.so.3", "the music", {}};
Library g_mixer{"libSDL2_mixer-2.0.so.0", "the sound", {}};
Library g_sdl{"libSDL2-2.0.so.0", "the sound", {}};

void* Resolve(Library& library, const char* name) {
    std::call_once(library.opened, [&library] {
        library.handle = dlopen(library.soname, RTLD_NOW | RTLD_LOCAL);
        if (library.handle) return;
        library.error = dlerror();
        if (!library.error) library.error = library.soname;
        std::fprintf(stderr, "velmora3: %s, the game plays without %s\n", library.error,
                     library.without);
    });
    return library.handle ? dlsym(library.handle, name) : nullptr;
}

}  // namespace

// The library's function, looked up once; `failed` is what the call gives without it.
#define VELMORA_FORWARD(library, failed, result, name, parameters, arguments)                \
    result name parameters {                                                                 \
        static const auto real = reinterpret_cast<decltype(&name)>(Resolve(library, #name)); \
        if (!real) return failed;                                                            \
        return real arguments;                                                               \
    }

extern "C" {

VELMORA_FORWARD(g_synth, nullptr, fluid_settings_t*, new_fluid_settings, (), ())
VELMORA_FORWARD(g_synth, , void, delete_fluid_settings, (fluid_settings_t * s), (s))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_settings_setint,
                (fluid_settings_t * s, const char* name, int value), (s, name, value))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_settings_setnum,
                (fluid_settings_t * s, const char* name, double value), (s, name, value))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_settings_setstr,
                (fluid_settings_t * s, const char* name, const char* value), (s, name, value))
VELMORA_FORWARD(g_synth, nullptr, fluid_log_function_t, fluid_set_log_function,
                (int level, fluid_log_function_t function, void* data), (level, function, data))
VELMORA_FORWARD(g_synth, nullptr, fluid_synth_t*, new_fluid_synth, (fluid_settings_t * s), (s))
VELMORA_FORWARD(g_synth, , void, delete_fluid_synth, (fluid_synth_t * synth), (synth))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_set_reverb_group_level,
                (fluid_synth_t * synth, int group, double level), (synth, group, level))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_sfload,
                (fluid_synth_t * synth, const char* file, int reset), (synth, file, reset))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_sfunload,
                (fluid_synth_t * synth, int id, int reset), (synth, id, reset))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_pin_preset,
                (fluid_synth_t * synth, int id, int bank, int program), (synth, id, bank, program))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_unpin_preset,
                (fluid_synth_t * synth, int id, int bank, int program), (synth, id, bank, program))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_system_reset, (fluid_synth_t * synth),
                (synth))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_set_channel_type,
                (fluid_synth_t * synth, int channel, int type), (synth, channel, type))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_program_select,
                (fluid_synth_t * synth, int channel, int id, int bank, int program),
                (synth, channel, id, bank, program))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_all_sounds_off,
                (fluid_synth_t * synth, int channel), (synth, channel))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_synth_write_float,
                (fluid_synth_t * synth, int frames, void* left, int leftOffset, int leftStep,
                 void* right, int rightOffset, int rightStep),
                (synth, frames, left, leftOffset, leftStep, right, rightOffset, rightStep))
// A file it cannot look into is not called a bad one; the player that cannot open it says nothing.
VELMORA_FORWARD(g_synth, 1, int, fluid_is_midifile, (const char* file), (file))
VELMORA_FORWARD(g_synth, nullptr, fluid_player_t*, new_fluid_player, (fluid_synth_t * synth),
                (synth))
VELMORA_FORWARD(g_synth, , void, delete_fluid_player, (fluid_player_t * player), (player))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_player_add,
                (fluid_player_t * player, const char* file), (player, file))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_player_play, (fluid_player_t * player), (player))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_player_stop, (fluid_player_t * player), (player))
VELMORA_FORWARD(g_synth, FLUID_PLAYER_DONE, int, fluid_player_get_status, (fluid_player_t * player),
                (player))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_player_get_current_tick,
                (fluid_player_t * player), (player))
VELMORA_FORWARD(g_synth, FLUID_FAILED, int, fluid_player_get_total_ticks, (fluid_player_t * player),
                (player))

VELMORA_FORWARD(g_sdl, SDL_FALSE, SDL_bool, SDL_SetHint, (const char* name, const char* value),
                (name, value))
VELMORA_FORWARD(g_sdl, -1, int, SDL_InitSubSystem, (Uint32 flags), (flags))
VELMORA_FORWARD(g_sdl, , void, SDL_QuitSubSystem, (Uint32 flags), (flags))
VELMORA_FORWARD(g_sdl, -1, int, SDL_AudioInit, (const char* driver), (driver))
VELMORA_FORWARD(g_sdl, g_sdl.error, const char*, SDL_GetError, (), ())
VELMORA_FORWARD(g_sdl, nullptr, void*, SDL_memset, (void* to, int byte, size_t bytes),
                (to, byte, bytes))

VELMORA_FORWARD(g_mixer, -1, int, Mix_OpenAudio, (int rate, Uint16 format, int channels, int chunk),
                (rate, format, channels, chunk))
VELMORA_FORWARD(g_mixer, -1, int, Mix_OpenAudioDevice,
                (int rate, Uint16 format, int channels, int chunk, const char* device, int changes),
                (rate, format, channels, chunk, device, changes))
VELMORA_FORWARD(g_mixer, , void, Mix_CloseAudio, (), ())
VELMORA_FORWARD(g_mixer, 0, int, Mix_AllocateChannels, (int channels), (channels))
VELMORA_FORWARD(g_mixer, 0, int, Mix_Volume, (int channel, int volume), (channel, volume))
VELMORA_FORWARD(g_mixer, , void, Mix_ChannelFinished, (void (*finished)(int)), (finished))
VELMORA_FORWARD(g_mixer, , void, Mix_HookMusic, (void (*render)(void*, Uint8*, int), void* data),
                (render, data))
VELMORA_FORWARD(g_mixer, nullptr, Mix_Chunk*, Mix_LoadWAV, (const char* file), (file))
VELMORA_FORWARD(g_mixer, nullptr, Mix_Chunk*, Mix_QuickLoad_RAW, (Uint8 * samples, Uint32 bytes),
                (samples, bytes))
VELMORA_FORWARD(g_mixer, , void, Mix_FreeChunk, (Mix_Chunk * chunk), (chunk))
VELMORA_FORWARD(g_mixer, -1, int, Mix_PlayChannel, (int channel, Mix_Chunk* chunk, int loops),
                (channel, chunk, loops))
VELMORA_FORWARD(g_mixer, 0, int, Mix_HaltChannel, (int channel), (channel))
VELMORA_FORWARD(g_mixer, 0, int, Mix_Playing, (int channel), (channel))
VELMORA_FORWARD(g_mixer, , void, Mix_Pause, (int channel), (channel))
VELMORA_FORWARD(g_mixer, , void, Mix_Resume, (int channel), (channel))

}  // extern "C"
