// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A music file that cannot be played: the call returns a plain failure and
// leaves its code, says why once, and harms nothing that is playing. A start
// that fails is shown to the player by the window's tests.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

// Every new game opens the music again: a file that cannot be played is told
// once, in words the player can act on, and the game goes on in silence.
TEST_F(DummyAudio, BadMusicFilesFailWithTheirCodesAndAreToldOnce) {
    const std::filesystem::path folder = ::testing::TempDir() + "gyrock_audio_folder.mp3";
    const std::filesystem::path empty = ::testing::TempDir() + "gyrock_audio_empty.mp3";
    const std::filesystem::path words = ::testing::TempDir() + "gyrock_audio_words.mp3";
    std::filesystem::create_directories(folder);
    std::ofstream{empty};
    std::ofstream(words) << "these words are not music\n";
    const std::tuple<std::filesystem::path, AudioError, std::string> files[] = {
        {"/no/such/folder/stakko_remix.mp3", AudioError::FileNotFound, "no music file at "},
        {folder, AudioError::FileNotReadable, "cannot read "},
        {empty, AudioError::FileNotDecodable, "cannot decode ("},
        {words, AudioError::FileNotDecodable, "cannot decode ("},
    };
    ASSERT_TRUE(playLooped(openMusic(shippedTrack())));
    for (const auto& [path, code, said] : files) {
        ::testing::internal::CaptureStderr();
        for (int game = 0; game < 3; ++game) EXPECT_EQ(openMusic(path.string()), 0) << path;
        std::istringstream told(::testing::internal::GetCapturedStderr());
        EXPECT_EQ(lastError(), errorCode(code)) << path;
        std::vector<std::string> ours;  // the decoder may add notes of its own
        for (std::string line; std::getline(told, line);) {
            if (line.starts_with("gyrock audio: ")) ours.push_back(line);
        }
        ASSERT_EQ(ours.size(), 1u) << path;
        EXPECT_TRUE(ours[0].starts_with("gyrock audio: " + said)) << ours[0];
        EXPECT_TRUE(ours[0].ends_with(path.string() + "; the game plays in silence")) << ours[0];
    }
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "what was playing goes on";
    for (const auto& file : {folder, empty, words}) std::filesystem::remove(file);
}

}  // namespace
}  // namespace gyrock::audio::testing
