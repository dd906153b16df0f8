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

TEST_F(DummyAudio, PlayingOrFreeingHandleZeroIsAHarmlessFailure) {
    EXPECT_FALSE(playLooped(0));
    EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    EXPECT_FALSE(freeMusic(0));
    EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    EXPECT_FALSE(freeMusic(12345));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(DummyAudio, FreeingTwiceFailsOnlyTheSecondTime) {
    std::int32_t music = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(music));
    EXPECT_TRUE(freeMusic(music));
    EXPECT_FALSE(freeMusic(music));
    EXPECT_EQ(lastError(), errorCode(AudioError::BadHandle));
    EXPECT_FALSE(playLooped(music));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(DummyAudio, FailedCallsLeaveThePlayingMusicAlone) {
    std::int32_t music = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(music));
    EXPECT_FALSE(freeMusic(0));
    EXPECT_FALSE(playLooped(0));
    EXPECT_EQ(openMusic("/no/such/folder/stakko_remix.mp3"), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(DummyAudio, AMissingFileOpensAsHandleZero) {
    EXPECT_EQ(openMusic("/no/such/folder/stakko_remix.mp3"), 0);
    EXPECT_EQ(lastError(), errorCode(AudioError::FileNotFound));
    EXPECT_FALSE(playLooped(0));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

// Every new game opens the music again; a missing file is told only once.
TEST_F(DummyAudio, AMissingFileIsReportedOncePerRun) {
    const std::string missing = "/no/such/folder/once/stakko_remix.mp3";
    ::testing::internal::CaptureStderr();
    for (int game = 0; game < 3; ++game) EXPECT_EQ(openMusic(missing), 0);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
    EXPECT_NE(told.find(missing), std::string::npos) << told;
}

TEST_F(DummyAudio, AFolderInPlaceOfTheFileIsUnreadable) {
    std::filesystem::path folder = ::testing::TempDir() + "gyrock_audio_folder.mp3";
    std::filesystem::create_directories(folder);
    EXPECT_EQ(openMusic(folder.string()), 0);
    EXPECT_EQ(lastError(), errorCode(AudioError::FileNotReadable));
    std::filesystem::remove(folder);
}

TEST_F(DummyAudio, AFileThatIsNotMusicIsNotDecodable) {
    for (const char* content : {"", "these words are not music\n"}) {
        std::filesystem::path file = ::testing::TempDir() + "gyrock_not_music.mp3";
        std::ofstream(file) << content;
        EXPECT_EQ(openMusic(file.string()), 0) << "content: " << content;
        EXPECT_EQ(lastError(), errorCode(AudioError::FileNotDecodable));
        std::filesystem::remove(file);
    }
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

TEST(AudioInit, AnUnknownDriverFailsWithACode) {
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    EXPECT_FALSE(init());
    EXPECT_EQ(lastError(), errorCode(AudioError::NoDriver));
    EXPECT_EQ(openMusic(shippedTrack()), 0);
    EXPECT_EQ(lastError(), errorCode(AudioError::NotInitialised));

    // Nothing was left half started: a working driver starts cleanly after.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(init());
    EXPECT_EQ(lastError(), errorCode(AudioError::Ok));
    shutdown();
}

TEST(AudioInit, AnImpossibleRateFailsToOpenTheDevice) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_FALSE(init(-1));
    EXPECT_EQ(lastError(), errorCode(AudioError::DeviceOpenFailed));
    EXPECT_TRUE(init());
    shutdown();
}

TEST(AudioErrors, HaveNames) {
    EXPECT_STREQ(errorName(AudioError::Ok), "Ok");
    EXPECT_STREQ(errorName(AudioError::FileNotDecodable), "FileNotDecodable");
    EXPECT_STREQ(errorName(static_cast<AudioError>(999)), "Unknown");
}

}  // namespace
}  // namespace gyrock::audio::testing
