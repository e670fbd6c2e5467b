// The sound library over SDL2_mixer. One mixer channel belongs to each
// buffer, so stopping a buffer never cuts another sound, and the music can
// loop under the piece sounds.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "soundlib/ds_api.h"

#define XANTU_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr std::int32_t kDevice = 1;  // there is only ever one output

struct Slot {
    std::int32_t handle = 0;  // 0 = free channel
    Mix_Chunk* chunk = nullptr;
};

struct State {
    bool open = false;
    std::int32_t nextHandle = 1;
    std::vector<Slot> slots;  // index = mixer channel
};

State& state() {
    static State s;
    return s;
}

// The mixer channel of a live buffer, -1 for 0, unknown or freed handles.
int channelOf(std::int32_t buffer) {
    State& s = state();
    if (!s.open || buffer == 0) return -1;
    for (std::size_t i = 0; i < s.slots.size(); ++i)
        if (s.slots[i].handle == buffer) return static_cast<int>(i);
    return -1;
}

std::uint32_t littleEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

XANTU_EXPORT std::int32_t dsInitialize(std::int32_t /*window*/) {
    State& s = state();
    if (s.open) return kDevice;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(0);
    s.slots.clear();
    s.open = true;
    return kDevice;
}

XANTU_EXPORT std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* wavImage, std::int32_t /*flag*/) {
    State& s = state();
    if (!s.open || device != kDevice || wavImage == nullptr) return 0;
    if (std::memcmp(wavImage, "RIFF", 4) != 0) return 0;
    const std::uint32_t length = littleEndian32(wavImage + 4) + 8;
    SDL_RWops* rw = SDL_RWFromConstMem(wavImage, static_cast<int>(length));
    if (rw == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) return 0;

    std::size_t channel = 0;
    while (channel < s.slots.size() && s.slots[channel].handle != 0) ++channel;
    if (channel == s.slots.size()) {
        s.slots.push_back({});
        Mix_AllocateChannels(static_cast<int>(s.slots.size()));
    }
    s.slots[channel] = {s.nextHandle++, chunk};
    return s.slots[channel].handle;
}

XANTU_EXPORT std::int32_t dsPlay(std::int32_t buffer) {
    const int channel = channelOf(buffer);
    if (channel < 0) return 0;
    return Mix_PlayChannel(channel, state().slots[static_cast<std::size_t>(channel)].chunk, 0) >= 0;
}

XANTU_EXPORT std::int32_t dsPlayLooping(std::int32_t buffer) {
    const int channel = channelOf(buffer);
    if (channel < 0) return 0;
    return Mix_PlayChannel(channel, state().slots[static_cast<std::size_t>(channel)].chunk, -1) >= 0;
}

XANTU_EXPORT std::int32_t dsStop(std::int32_t buffer) {
    const int channel = channelOf(buffer);
    if (channel < 0) return 0;
    Mix_HaltChannel(channel);
    return 1;
}

XANTU_EXPORT std::int32_t dsFree(std::int32_t buffer) {
    const int channel = channelOf(buffer);
    if (channel < 0) return 0;
    Slot& slot = state().slots[static_cast<std::size_t>(channel)];
    Mix_HaltChannel(channel);
    Mix_FreeChunk(slot.chunk);
    slot = {};
    return 1;
}

XANTU_EXPORT std::int32_t dsTerminate(std::int32_t device) {
    State& s = state();
    if (!s.open || device != kDevice) return 0;
    Mix_HaltChannel(-1);
    for (Slot& slot : s.slots)
        if (slot.chunk != nullptr) Mix_FreeChunk(slot.chunk);
    s.slots.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.open = false;
    return 1;
}

// The entry points must have exactly the types the loader resolves them to.
static_assert(std::is_same_v<decltype(&dsInitialize), DsInitializeFn>);
static_assert(std::is_same_v<decltype(&dsCreateDSB), DsCreateDsbFn>);
static_assert(std::is_same_v<decltype(&dsPlay), DsPlayFn>);
static_assert(std::is_same_v<decltype(&dsPlayLooping), DsPlayLoopingFn>);
static_assert(std::is_same_v<decltype(&dsStop), DsStopFn>);
static_assert(std::is_same_v<decltype(&dsFree), DsFreeFn>);
static_assert(std::is_same_v<decltype(&dsTerminate), DsTerminateFn>);
