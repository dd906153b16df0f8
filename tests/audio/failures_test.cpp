// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Every way a call can fail: each one returns a plain failure and leaves its
// code, and none of them harms what is playing.

#include <SDL_mixer.h>

#include <algorithm>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

// Every new game opens the music again; a missing file is told only once.
TEST_F(DummyAudio, AMissingFileIsReportedOncePerRun) {
    const std::string missing = "/no/such/folder/once/stakko_remix.mp3";
    ::testing::internal::CaptureStderr();
    for (int game = 0; game < 3; ++game) EXPECT_EQ(openMusic(missing), 0);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_NE(told.find(missing), std::string::npos) << told;
}

TEST_F(DummyAudio, BadFilesAndHandlesFailWithTheirCodesAndLeaveTheMusicPlaying) {
    const std::filesystem::path folder = ::testing::TempDir() + "gyrock_audio_folder.mp3";
    const std::filesystem::path empty = ::testing::TempDir() + "gyrock_audio_empty.mp3";
    const std::filesystem::path words = ::testing::TempDir() + "gyrock_audio_words.mp3";
    std::filesystem::create_directories(folder);
    std::ofstream{empty};
    std::ofstream(words) << "these words are not music\n";
    const std::pair<std::filesystem::path, AudioError> files[] = {
        {"/no/such/folder/stakko_remix.mp3", AudioError::FileNotFound},
        {folder, AudioError::FileNotReadable},
        {empty, AudioError::FileNotDecodable},
        {words, AudioError::FileNotDecodable},
    };
    const std::int32_t music = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(music));
    for (const auto& [path, code] : files) {
        EXPECT_EQ(openMusic(path.string()), 0) << path;
        EXPECT_EQ(lastError(), errorCode(code)) << path;
    }
    for (std::int32_t handle : {0, 12345}) {
        EXPECT_FALSE(playLooped(handle));
        EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
        EXPECT_FALSE(freeMusic(handle));
        EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    }
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    std::filesystem::remove(folder);
    std::filesystem::remove(empty);
    std::filesystem::remove(words);
}

TEST_F(DummyAudio, StartingTwiceFailsAndKeepsTheFirstSetUp) {
    EXPECT_FALSE(init());
    EXPECT_EQ(lastError(), errorCode(AudioError::AlreadyInitialised));
    std::int32_t music = openMusic(shippedTrack());
    EXPECT_TRUE(playLooped(music));
}

TEST(AudioWithoutInit, EveryCallFailsHarmlessly) {
    shutdown();  // nothing to shut down
    EXPECT_EQ(lastError(), errorCode(AudioError::NotInitialised));
    EXPECT_EQ(openMusic(shippedTrack()), 0);
    EXPECT_EQ(lastError(), errorCode(AudioError::NotInitialised));
    EXPECT_FALSE(playLooped(1));
    EXPECT_FALSE(freeMusic(1));
    stopAll();
    EXPECT_EQ(lastError(), errorCode(AudioError::NotInitialised));
}

TEST(AudioInit, NoDriverOrAnImpossibleRateFailsWithACodeAndLeavesNothingHalfStarted) {
    struct Case {
        const char* driver;
        int rate;
        AudioError code;
    };
    for (Case c : {Case{"no_such_driver", 44100, AudioError::NoDriver},
                   Case{"dummy", -1, AudioError::DeviceOpenFailed}, Case{"dummy", 0, AudioError::DeviceOpenFailed}}) {
        setenv("SDL_AUDIODRIVER", c.driver, 1);
        EXPECT_FALSE(init(c.rate)) << c.driver << " " << c.rate;
        EXPECT_EQ(lastError(), errorCode(c.code)) << c.driver << " " << c.rate;
        EXPECT_EQ(openMusic(shippedTrack()), 0);
        EXPECT_EQ(lastError(), errorCode(AudioError::NotInitialised));
        // A working driver starts cleanly after.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        EXPECT_TRUE(init());
        EXPECT_EQ(lastError(), errorCode(AudioError::Ok));
        shutdown();
    }
}

}  // namespace
}  // namespace gyrock::audio::testing
