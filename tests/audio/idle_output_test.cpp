// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// Between games the output is closed, so that no sound thread runs; the
// next stream opens it again as if nothing had happened.

#include <SDL.h>
#include <SDL_mixer.h>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

bool anyOutputOpen() {
    for (SDL_AudioDeviceID id = 1; id < 64; ++id) {
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return true;
    }
    return false;
}

TEST_F(DummyAudio, GamesAfterTheOutputWasReleasedPlayAsBefore) {
    releaseIdleOutput();
    EXPECT_FALSE(anyOutputOpen()) << "nothing plays before a game";
    for (int game = 0; game < 3; ++game) {
        const std::int32_t music = openMusic(shippedTrack());
        ASSERT_NE(music, 0) << "game " << game << ", error " << lastError();
        EXPECT_TRUE(anyOutputOpen());
        ASSERT_TRUE(playLooped(music));
        EXPECT_EQ(Mix_PlayingMusic(), 1);
        ASSERT_TRUE(freeMusic(music));
        releaseIdleOutput();
        EXPECT_FALSE(anyOutputOpen()) << "after game " << game;
    }
    // Stopping and shutting down a released output are harmless.
    stopAll();
    EXPECT_EQ(lastError(), errorCode(AudioError::Ok));
}

TEST_F(DummyAudio, ReleasingWhileAStreamIsOpenKeepsTheMusicPlaying) {
    const std::int32_t music = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(music));
    releaseIdleOutput();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(anyOutputOpen());
    const std::int32_t idle = openMusic(shippedTrack());  // open but not played
    freeMusic(music);
    releaseIdleOutput();
    EXPECT_TRUE(anyOutputOpen()) << "a stream is still open";
    EXPECT_TRUE(playLooped(idle));
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST(AudioWithoutInit, ReleasingTheOutputIsHarmless) {
    releaseIdleOutput();
    EXPECT_EQ(openMusic(shippedTrack()), 0);
    EXPECT_EQ(lastError(), errorCode(AudioError::NotInitialised));
}

}  // namespace
}  // namespace gyrock::audio::testing
