// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// A music file that cannot be played: the call returns a plain failure and
// leaves its code, says why once, and harms nothing that is playing. A start
// that fails is shown to the player by the window's tests.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

// Every new game opens the music again: a file that cannot be played is told
// once, in words the player can act on, and the game goes on in silence.
TEST_F(DummyAudio, BadMusicFilesFailWithTheirCodesAndAreToldOnce) {
    const std::filesystem::path dir = ::testing::TempDir() + "gyrock_bad_music";
    std::filesystem::create_directories(dir / "folder.mp3");
    std::ofstream{dir / "empty.mp3"};
    std::ofstream(dir / "words.mp3") << "these words are not music\n";
    const std::tuple<std::filesystem::path, AudioError, std::string> files[] = {
        {"/no/such/folder/stakko_remix.mp3", AudioError::FileNotFound, "no music file at "},
        {dir / "folder.mp3", AudioError::FileNotReadable, "cannot read "},
        {dir / "empty.mp3", AudioError::FileNotDecodable, "cannot decode ("},
        {dir / "words.mp3", AudioError::FileNotDecodable, "cannot decode ("},
    };
    ASSERT_TRUE(playLooped(openMusic(shippedTrack())));
    for (const auto& [path, code, said] : files) {
        ::testing::internal::CaptureStderr();
        for (int game = 0; game < 3; ++game) EXPECT_EQ(openMusic(path.string()), 0) << path;
        const std::string told =
            ::testing::internal::GetCapturedStderr();  // with the decoder's notes
        EXPECT_EQ(lastError(), errorCode(code)) << path;
        const std::size_t at = told.find("gyrock audio: " + said);
        ASSERT_NE(at, std::string::npos) << told;
        EXPECT_EQ(told.find("gyrock audio:", at + 1), std::string::npos)
            << "told more than once: " << told;
        const std::string line = told.substr(at, told.find('\n', at) - at);
        EXPECT_TRUE(line.ends_with(path.string() + "; the game plays in silence")) << line;
    }
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "what was playing goes on";
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace gyrock::audio::testing
