// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "audio/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace gyrock::audio {
namespace {

// 1024 frames at 44.1 kHz is 23 ms: short enough that stopping feels instant,
// long enough that a busy game loop never starves the mixer.
constexpr int kChunkFrames = 1024;
constexpr int kLoopForever = -1;

struct SoundSystem {
    bool running = false;
    std::map<std::int32_t, Mix_Music*> streams;
    // Handles only ever grow, across shutdown and init too, so a stale one can
    // never name a newer stream by accident.
    std::int32_t nextHandle = 1;
    std::int32_t playing = 0;      // the handle last started, 0 when none
    SDL_AudioDeviceID device = 0;  // the mixer's output, paused while nothing plays
    bool deviceOpen = false;       // closed between games, see releaseIdleOutput
    int frequency = 44100;
    AudioError last = AudioError::Ok;
};

SoundSystem& sound() {
    static SoundSystem system;
    return system;
}

bool succeed() {
    sound().last = AudioError::Ok;
    return true;
}

bool fail(AudioError code) {
    sound().last = code;
    return false;
}

// A failure of the library itself: its explanation is worth keeping.
bool failWithLibraryText(AudioError code, const char* what) {
    std::fprintf(stderr, "gyrock audio: %s (%s): %s\n", what, errorName(code), SDL_GetError());
    return fail(code);
}

// A music file that cannot be played is told once per run, not once per
// game started: the game just plays in silence.
void warnOnce(const std::string& path, const char* what) {
    static std::set<std::string> told;
    if (told.insert(path).second) {
        std::fprintf(stderr, "gyrock audio: %s %s; the game plays in silence\n", what,
                     path.c_str());
    }
}

// The handle of a failed open.
std::int32_t noStream(AudioError code) {
    fail(code);
    return 0;
}

Mix_Music* findStream(std::int32_t handle) {
    auto found = sound().streams.find(handle);
    return found == sound().streams.end() ? nullptr : found->second;
}

bool isReadableFile(const std::string& path) {
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) return false;
    std::ifstream probe(path, std::ios::binary);
    return probe.good();
}

// The mixer opens its output itself and keeps the number to itself; it is
// the one device of ours that is open.
SDL_AudioDeviceID findDevice() {
    for (SDL_AudioDeviceID id = 2; id < 64; ++id) {
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
    }
    return 0;
}

// While nothing plays the device is paused, so no mixing runs for silence.
void setDevicePaused(bool paused) {
    if (sound().device != 0) SDL_PauseAudioDevice(sound().device, paused ? 1 : 0);
}

void haltMusic() {
    // A closed mixer has nothing playing, and halting it would touch freed state.
    if (sound().deviceOpen) Mix_HaltMusic();
    sound().playing = 0;
    setDevicePaused(true);
}

// Opens the output again after releaseIdleOutput closed it.
bool reopenOutput() {
    SoundSystem& s = sound();
    if (s.deviceOpen) return true;
    if (Mix_OpenAudio(s.frequency, MIX_DEFAULT_FORMAT, 2, kChunkFrames) != 0) {
        return failWithLibraryText(AudioError::DeviceOpenFailed, "cannot open the sound device");
    }
    s.deviceOpen = true;
    s.device = findDevice();
    setDevicePaused(true);
    return true;
}

}  // namespace

const char* errorName(AudioError code) {
    switch (code) {
        case AudioError::Ok:
            return "Ok";
        case AudioError::NoDriver:
            return "NoDriver";
        case AudioError::DeviceOpenFailed:
            return "DeviceOpenFailed";
        case AudioError::NotInitialised:
            return "NotInitialised";
        case AudioError::AlreadyInitialised:
            return "AlreadyInitialised";
        case AudioError::FileNotFound:
            return "FileNotFound";
        case AudioError::FileNotReadable:
            return "FileNotReadable";
        case AudioError::FileNotDecodable:
            return "FileNotDecodable";
        case AudioError::BadHandle:
            return "BadHandle";
        case AudioError::PlayFailed:
            return "PlayFailed";
    }
    return "Unknown";
}

bool init(int frequency) {
    SoundSystem& s = sound();
    if (s.running) return fail(AudioError::AlreadyInitialised);
    // SDL would take a rate of 0 or less and then stall its mixing thread.
    if (frequency <= 0) {
        std::fprintf(stderr, "gyrock audio: no output at %d samples a second\n", frequency);
        return fail(AudioError::DeviceOpenFailed);
    }

    // The program ends on SIGINT and SIGTERM itself, saving first; SDL's own
    // handlers would swallow them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return failWithLibraryText(AudioError::NoDriver, "no sound driver");
    }
    // Without MP3 support the driver still works; opening the file will say why.
    if ((Mix_Init(MIX_INIT_MP3) & MIX_INIT_MP3) == 0) {
        std::fprintf(stderr, "gyrock audio: no MP3 decoder: %s\n", Mix_GetError());
    }
    if (Mix_OpenAudio(frequency, MIX_DEFAULT_FORMAT, 2, kChunkFrames) != 0) {
        failWithLibraryText(AudioError::DeviceOpenFailed, "cannot open the sound device");
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    s.running = true;
    s.playing = 0;
    s.deviceOpen = true;
    s.frequency = frequency;
    s.device = findDevice();
    setDevicePaused(true);
    return succeed();
}

std::int32_t openMusic(const std::string& path) {
    SoundSystem& s = sound();
    if (!s.running) return noStream(AudioError::NotInitialised);

    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        warnOnce(path, "no music file at");
        return noStream(AudioError::FileNotFound);
    }
    if (!isReadableFile(path)) {
        warnOnce(path, "cannot read");
        return noStream(AudioError::FileNotReadable);
    }
    if (!reopenOutput()) return 0;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (music == nullptr) {
        warnOnce(path, (std::string("cannot decode (") + Mix_GetError() + ")").c_str());
        return noStream(AudioError::FileNotDecodable);
    }
    std::int32_t handle = s.nextHandle++;
    s.streams.emplace(handle, music);
    succeed();
    return handle;
}

bool playLooped(std::int32_t handle) {
    SoundSystem& s = sound();
    if (!s.running) return fail(AudioError::NotInitialised);
    Mix_Music* music = findStream(handle);
    if (music == nullptr) return fail(AudioError::BadHandle);

    if (s.playing == handle && Mix_PlayingMusic()) return succeed();
    // The mixer has one music channel: starting this stream halts any other.
    setDevicePaused(false);
    if (Mix_PlayMusic(music, kLoopForever) != 0) {
        s.playing = 0;
        setDevicePaused(true);
        return failWithLibraryText(AudioError::PlayFailed, "cannot play the music");
    }
    s.playing = handle;
    return succeed();
}

bool freeMusic(std::int32_t handle) {
    SoundSystem& s = sound();
    if (!s.running) return fail(AudioError::NotInitialised);
    Mix_Music* music = findStream(handle);
    if (music == nullptr) return fail(AudioError::BadHandle);

    if (s.playing == handle) haltMusic();
    Mix_FreeMusic(music);  // would also halt it if it were still the one playing
    s.streams.erase(handle);
    return succeed();
}

void stopAll() {
    if (!sound().running) {
        fail(AudioError::NotInitialised);
        return;
    }
    haltMusic();
    if (sound().deviceOpen) Mix_HaltChannel(-1);
    succeed();
}

void shutdown() {
    SoundSystem& s = sound();
    if (!s.running) {
        fail(AudioError::NotInitialised);
        return;
    }
    haltMusic();
    for (auto& [handle, music] : s.streams) Mix_FreeMusic(music);
    s.streams.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.running = false;
    s.deviceOpen = false;
    s.device = 0;
    succeed();
}

void releaseIdleOutput() {
    SoundSystem& s = sound();
    if (!s.running || !s.deviceOpen || !s.streams.empty()) return;
    // Even paused, the output's thread wakes for every buffer; closed, it is gone.
    Mix_CloseAudio();
    s.deviceOpen = false;
    s.device = 0;
    s.playing = 0;
}

std::int32_t lastError() { return static_cast<std::int32_t>(sound().last); }

std::string musicFilePath(const std::string& programDir) {
    std::string dir = programDir;
    if (!dir.empty() && dir.back() == '/') dir.pop_back();
    return dir + "/" GYROCK_MUSIC_NAME;
}

}  // namespace gyrock::audio
