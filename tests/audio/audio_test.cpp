// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The orders in which the game calls the sound layer, and what each leaves
// playing and mixing, on a driver that needs no sound card. The mixer's and
// SDL's own views are the judges: while no stream plays the output is paused,
// and between games it is closed.

#include "audio/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>

#include "tests/support/temp_folder.h"

namespace gyrock::audio {
namespace {

using enum AudioError;

constexpr SDL_AudioStatus closed = SDL_AUDIO_STOPPED, paused = SDL_AUDIO_PAUSED,
                          mixing = SDL_AUDIO_PLAYING;

// The state of the one output the mixer opens: paused means no mixing runs,
// stopped that it is closed and no sound thread runs at all.
SDL_AudioStatus outputState() {
    SDL_AudioDeviceID id = 1;
    while (id < 64 && SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_STOPPED) ++id;
    return SDL_GetAudioDeviceStatus(id);
}

// Jumps close to the end and waits, five seconds at most, for the track to come
// round again: it loops for ever.
bool startsOver() {
    if (Mix_SetMusicPosition(Mix_MusicDuration(nullptr) - 0.3) != 0) return false;
    for (int wait = 0; wait < 250 && Mix_GetMusicPosition(nullptr) > 1.0; ++wait) SDL_Delay(20);
    return Mix_GetMusicPosition(nullptr) <= 1.0;
}

// A step, its call (true when it did as it should), the code it leaves (releasing
// sets none), music playing, the output.
using Step = std::tuple<const char*, std::function<bool()>, AudioError, bool, SDL_AudioStatus>;

const TempFolder badMusic;

// Every new game opens the music again: a file in the bad music folder that
// cannot be played fails each time, and is told once, in words the player can
// act on, beside the decoder's own notes.
std::function<bool()> unplayable(const std::string& name, const std::string& said) {
    return [=] {
        const std::string path = badMusic / name;
        ::testing::internal::CaptureStderr();
        const bool failed = openMusic(path) == 0 && openMusic(path) == 0;
        const std::string told = ::testing::internal::GetCapturedStderr();
        const std::size_t at = told.find("gyrock audio: " + said);
        EXPECT_EQ(told.find("gyrock audio:", at + 1), std::string::npos) << "told twice: " << told;
        EXPECT_NE(told.find(path + "; the game plays in silence\n", at), std::string::npos) << told;
        return failed;
    };
}

TEST(Audio, EachCallLeavesTheMusicAndTheOutputAsTheGameExpects) {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(init()) << "error " << lastError();
    const std::filesystem::path& bad = badMusic.path();
    std::filesystem::create_directories(bad / "folder.mp3");
    std::ofstream{bad / "empty.mp3"};
    std::ofstream(bad / "words.mp3") << "these words are not music\n";
    const auto open = [] { return openMusic(musicFilePath(GYROCK_RUNTIME_DIR)); };
    const auto release = [] { return releaseIdleOutput(), true; };
    const auto stop = [] { return stopAll(), true; };
    std::int32_t first = 0, second = 0, later = 0;
    const auto goesOn = [&] {
        return Mix_SetMusicPosition(30.0) == 0 && playLooped(first) &&
               Mix_GetMusicPosition(nullptr) >= 29.9;
    };
    const Step steps[] = {
        {"release before any game", release, Ok, false, closed},
        {"open", [&] { return (first = open()) != 0; }, Ok, false, paused},
        {"play", [&] { return playLooped(first); }, Ok, true, mixing},
        {"play it again: it goes on", goesOn, Ok, true, mixing},
        {"play past its end", startsOver, Ok, true, mixing},
        {"release while a stream is open", release, Ok, true, mixing},
        {"missing", unplayable("missing.mp3", "no music file at "), FileNotFound, true, mixing},
        {"a folder", unplayable("folder.mp3", "cannot read "), FileNotReadable, true, mixing},
        {"empty", unplayable("empty.mp3", "cannot decode ("), FileNotDecodable, true, mixing},
        {"words", unplayable("words.mp3", "cannot decode ("), FileNotDecodable, true, mixing},
        {"open another", [&] { return (second = open()) > first; }, Ok, true, mixing},
        {"play it instead", [&] { return playLooped(second); }, Ok, true, mixing},
        {"play the 0 of a failed open", [] { return !playLooped(0); }, BadHandle, true, mixing},
        {"free the one not playing", [&] { return freeMusic(first); }, Ok, true, mixing},
        {"stop all", stop, Ok, false, paused},
        {"play after stopping", [&] { return playLooped(second); }, Ok, true, mixing},
        {"free the one playing", [&] { return freeMusic(second); }, Ok, false, paused},
        {"play a freed one", [&] { return !playLooped(first); }, BadHandle, false, paused},
        {"free a freed one", [&] { return !freeMusic(second); }, BadHandle, false, paused},
        {"release between games", release, BadHandle, false, closed},
        {"stop all while released", stop, Ok, false, closed},
        {"open: never an old handle", [&] { return (later = open()) > second; }, Ok, false, paused},
        {"play", [&] { return playLooped(later); }, Ok, true, mixing},
        {"shut down", [] { return shutdown(), true; }, Ok, false, closed},
        {"open while down", [&] { return open() == 0; }, NotInitialised, false, closed},
        {"play while down", [&] { return !playLooped(later); }, NotInitialised, false, closed},
        {"stop while down", stop, NotInitialised, false, closed},
        {"release while down", release, NotInitialised, false, closed},
        {"start at no rate", [] { return !init(0); }, DeviceOpenFailed, false, closed},
        {"start again", [] { return init(); }, Ok, false, paused},
        {"start twice", [] { return !init(); }, AlreadyInitialised, false, paused},
        {"open: never a handle from before", [&] { return open() > later; }, Ok, false, paused},
        {"play one from before", [&] { return !playLooped(later); }, BadHandle, false, paused},
    };
    for (const auto& [step, call, code, playing, output] : steps) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(call());
        EXPECT_EQ(lastError(), static_cast<std::int32_t>(code));
        EXPECT_EQ(Mix_PlayingMusic(), playing ? 1 : 0);
        EXPECT_EQ(outputState(), output);
    }
    shutdown();
}

}  // namespace
}  // namespace gyrock::audio
