// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The orders in which the game calls the sound layer, and what each leaves
// playing and mixing. The mixer's and SDL's own views are the judges: while no
// stream plays the output is paused, and between games it is closed.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <tuple>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

constexpr SDL_AudioStatus closed = SDL_AUDIO_STOPPED, paused = SDL_AUDIO_PAUSED,
                          mixing = SDL_AUDIO_PLAYING;

using enum AudioError;

// The latest call left this code.
bool left(AudioError code) { return lastError() == errorCode(code); }

// Jumps close to the end and waits, with a deadline, for the track to come
// round again: it loops for ever.
bool startsOver() {
    if (Mix_SetMusicPosition(Mix_MusicDuration(nullptr) - 0.3) != 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (Mix_GetMusicPosition(nullptr) > 1.0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return Mix_GetMusicPosition(nullptr) <= 1.0;
}

TEST_F(DummyAudio, EachCallLeavesTheMusicAndTheOutputAsTheGameExpects) {
    const auto open = [] { return openMusic(shippedTrack()); };
    const auto release = [] { return releaseIdleOutput(), true; };
    std::int32_t first = 0, second = 0, later = 0;
    const auto goesOn = [&] {
        return Mix_SetMusicPosition(30.0) == 0 && playLooped(first) &&
               Mix_GetMusicPosition(nullptr) >= 29.9;
    };
    // The step, its call (true when it did as it should), music playing, the output.
    const std::tuple<const char*, std::function<bool()>, bool, SDL_AudioStatus> steps[] = {
        {"release before any game", release, false, closed},
        {"open", [&] { return (first = open()) != 0 && left(Ok); }, false, paused},
        {"play", [&] { return playLooped(first); }, true, mixing},
        {"play it again: it goes on", goesOn, true, mixing},
        {"play past its end", startsOver, true, mixing},
        {"release while a stream is open", release, true, mixing},
        {"open another", [&] { return (second = open()) != 0 && second != first; }, true, mixing},
        {"play it instead", [&] { return playLooped(second); }, true, mixing},
        {"play the 0 of a failed open", [] { return !playLooped(0) && left(BadHandle); }, true,
         mixing},
        {"free the one not playing", [&] { return freeMusic(first); }, true, mixing},
        {"stop all", [] { return stopAll(), left(Ok); }, false, paused},
        {"play after stopping", [&] { return playLooped(second); }, true, mixing},
        {"free the one playing", [&] { return freeMusic(second); }, false, paused},
        {"play a freed one", [&] { return !playLooped(first) && left(BadHandle); }, false, paused},
        {"free a freed one", [&] { return !freeMusic(second) && left(BadHandle); }, false, paused},
        {"release between games", release, false, closed},
        {"stop all while released", [] { return stopAll(), left(Ok); }, false, closed},
        {"open: never an old handle", [&] { return (later = open()) > second; }, false, paused},
        {"play", [&] { return playLooped(later); }, true, mixing},
        {"shut down", [] { return shutdown(), left(Ok); }, false, closed},
        {"open while down", [&] { return open() == 0 && left(NotInitialised); }, false, closed},
        {"play while down", [&] { return !playLooped(later) && left(NotInitialised); }, false,
         closed},
        {"stop while down", [] { return stopAll(), left(NotInitialised); }, false, closed},
        {"release while down", release, false, closed},
        {"start at no rate", [] { return !init(0) && left(DeviceOpenFailed); }, false, closed},
        {"start again", [] { return init(); }, false, paused},
        {"start twice", [] { return !init() && left(AlreadyInitialised); }, false, paused},
        {"play one from before", [&] { return !playLooped(later) && left(BadHandle); }, false,
         paused},
    };
    for (const auto& [step, call, playing, output] : steps) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(call()) << "error " << lastError();
        EXPECT_EQ(Mix_PlayingMusic(), playing ? 1 : 0);
        EXPECT_EQ(outputState(), output);
    }
}

}  // namespace
}  // namespace gyrock::audio::testing
