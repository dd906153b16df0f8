// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The orders in which the game calls the sound layer, and what each leaves
// playing. The mixer's own view (Mix_PlayingMusic) is the judge.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

TEST_F(DummyAudio, TheShippedTrackOpensPlaysAndStopsWhenFreed) {
    std::int32_t music = openMusic(shippedTrack());
    ASSERT_NE(music, 0) << "error " << lastError();
    EXPECT_EQ(lastError(), errorCode(AudioError::Ok));
    EXPECT_EQ(Mix_PlayingMusic(), 0);

    EXPECT_TRUE(playLooped(music));
    EXPECT_EQ(Mix_PlayingMusic(), 1);

    EXPECT_TRUE(freeMusic(music));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(DummyAudio, StartingAnotherStreamStopsTheFirst) {
    std::int32_t first = openMusic(shippedTrack());
    std::int32_t second = openMusic(shippedTrack());
    ASSERT_NE(first, 0);
    ASSERT_NE(second, 0);
    EXPECT_NE(first, second);

    ASSERT_TRUE(playLooped(first));
    ASSERT_TRUE(playLooped(second));
    EXPECT_EQ(Mix_PlayingMusic(), 1);

    // The first is no longer the one playing: freeing it leaves the music on.
    EXPECT_TRUE(freeMusic(first));
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(freeMusic(second));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(DummyAudio, PlayingTheStreamThatIsPlayingGoesOnWithoutRestarting) {
    std::int32_t music = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(music));
    ASSERT_EQ(Mix_SetMusicPosition(30.0), 0);
    EXPECT_TRUE(playLooped(music));
    EXPECT_GE(Mix_GetMusicPosition(nullptr), 29.9);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(DummyAudio, FreedHandlesStayDeadAndAreNeverGivenOutAgain) {
    std::int32_t old = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(old));
    ASSERT_TRUE(freeMusic(old));
    std::int32_t fresh = openMusic(shippedTrack());
    EXPECT_NE(fresh, old);

    EXPECT_FALSE(playLooped(old));
    EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    EXPECT_FALSE(freeMusic(old));
    EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_TRUE(freeMusic(fresh));
}

TEST_F(DummyAudio, StoppingKeepsTheStreamsAndShuttingDownFreesThem) {
    std::int32_t left = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(left));
    stopAll();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    EXPECT_TRUE(playLooped(left));
    shutdown();
    EXPECT_EQ(lastError(), errorCode(AudioError::Ok));

    ASSERT_TRUE(init());
    EXPECT_FALSE(playLooped(left));
    EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

}  // namespace
}  // namespace gyrock::audio::testing
