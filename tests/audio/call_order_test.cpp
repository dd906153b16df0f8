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

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

constexpr SDL_AudioStatus closed = SDL_AUDIO_STOPPED, paused = SDL_AUDIO_PAUSED,
                          mixing = SDL_AUDIO_PLAYING;

bool worked() { return lastError() == errorCode(AudioError::Ok); }

bool failedAsBadHandle(bool result) {
    return !result && lastError() == errorCode(AudioError::BadHandle);
}

bool notStarted() { return lastError() == errorCode(AudioError::NotInitialised); }

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
    const struct {
        const char* call;
        std::function<bool()> run;
        bool playing;
        SDL_AudioStatus output;
    } steps[] = {
        {"release before any game", release, false, closed},
        {"open", [&] { return (first = open()) != 0 && worked(); }, false, paused},
        {"play", [&] { return playLooped(first); }, true, mixing},
        {"play it again: it goes on", goesOn, true, mixing},
        {"play past its end", startsOver, true, mixing},
        {"release while a stream is open", release, true, mixing},
        {"open another", [&] { return (second = open()) != 0 && second != first; }, true, mixing},
        {"play it instead", [&] { return playLooped(second); }, true, mixing},
        {"play the 0 of a failed open", [] { return failedAsBadHandle(playLooped(0)); }, true, mixing},
        {"free the one not playing", [&] { return freeMusic(first); }, true, mixing},
        {"stop all", [] { return stopAll(), worked(); }, false, paused},
        {"play after stopping", [&] { return playLooped(second); }, true, mixing},
        {"free the one playing", [&] { return freeMusic(second); }, false, paused},
        {"play a freed one", [&] { return failedAsBadHandle(playLooped(first)); }, false, paused},
        {"free a freed one", [&] { return failedAsBadHandle(freeMusic(second)); }, false, paused},
        {"release between games", release, false, closed},
        {"stop all while released", [] { return stopAll(), worked(); }, false, closed},
        {"open: never an old handle", [&] { return (later = open()) > second; }, false, paused},
        {"play", [&] { return playLooped(later); }, true, mixing},
        {"shut down", [] { return shutdown(), worked(); }, false, closed},
        {"open while down", [] { return openMusic(shippedTrack()) == 0 && notStarted(); }, false, closed},
        {"play while down", [&] { return !playLooped(later) && notStarted(); }, false, closed},
        {"stop and release while down", [] { return stopAll(), releaseIdleOutput(), notStarted(); }, false,
         closed},
        {"start at no rate", [] { return !init(0) && lastError() == errorCode(AudioError::DeviceOpenFailed); },
         false, closed},
        {"start again", [] { return init(); }, false, paused},
        {"start twice", [] { return !init() && lastError() == errorCode(AudioError::AlreadyInitialised); },
         false, paused},
        {"play one from before", [&] { return failedAsBadHandle(playLooped(later)); }, false,
         paused},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.call);
        EXPECT_TRUE(step.run()) << "error " << lastError();
        EXPECT_EQ(Mix_PlayingMusic(), step.playing ? 1 : 0);
        EXPECT_EQ(outputState(), step.output);
    }
}

}  // namespace
}  // namespace gyrock::audio::testing
