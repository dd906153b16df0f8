// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// What a player would hear: SDL's "disk" driver writes the mixed output to a
// file (in real time, so these tests keep it short), which is read back as
// 16-bit stereo at 44.1 kHz and measured.

#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "audio_fixture.h"

namespace gyrock::audio::testing {
namespace {

constexpr int rate = 44100;

void waitMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::size_t frames(double seconds) { return static_cast<std::size_t>(seconds * rate); }

class DiskAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
        ASSERT_TRUE(init()) << "error " << lastError();
    }
    void TearDown() override {
        shutdown();
        std::filesystem::remove(file_);
    }

    // Frames written so far (the driver's file buffer may hold back a few).
    std::size_t framesWritten() const {
        std::error_code ignored;
        return std::filesystem::file_size(file_, ignored) / 4;
    }

    // Ends the output and reads all of it back, left and right interleaved
    // (the driver writes the machine's own byte order).
    std::vector<std::int16_t> stopAndRead() {
        shutdown();
        std::vector<std::int16_t> samples(framesWritten() * 2);
        std::ifstream(file_, std::ios::binary)
            .read(reinterpret_cast<char*>(samples.data()), std::streamsize(samples.size() * 2));
        return samples;
    }

    const std::string file_ = ::testing::TempDir() + "gyrock_disk_" + std::to_string(getpid()) +
                              ".raw";
};

// Loudness of frames [from, to) in dB below full scale.
double rmsDb(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = 2 * from; i < 2 * to; ++i) sum += double(s[i]) * s[i];
    double rms = std::sqrt(sum / (2.0 * double(to - from)));
    return 20.0 * std::log10(std::fmax(rms, 1e-3) / 32768.0);
}

TEST_F(DiskAudio, TheTrackIsHeardAndFreeingItSilencesTheOutput) {
    std::int32_t music = openMusic(shippedTrack());
    ASSERT_TRUE(playLooped(music));
    waitMs(600);
    ASSERT_TRUE(freeMusic(music));
    // Allow for what was already mixed or buffered when it was freed.
    const std::size_t quietFrom = framesWritten() + frames(0.15);
    waitMs(400);
    const std::vector<std::int16_t> out = stopAndRead();
    ASSERT_GT(out.size() / 2, std::max(frames(0.8), quietFrom));
    EXPECT_GT(rmsDb(out, frames(0.1), frames(0.5)), -30.0) << "the music should be heard";
    EXPECT_TRUE(std::all_of(out.begin() + 2 * quietFrom, out.end(), [](auto s) { return s == 0; }))
        << "the output should be silent once freed";
}

TEST_F(DiskAudio, TheTrackLoopsWithoutAGap) {
    ASSERT_TRUE(playLooped(openMusic(shippedTrack())));
    // Jump close to the end and listen across the join.
    ASSERT_EQ(Mix_SetMusicPosition(Mix_MusicDuration(nullptr) - 0.3), 0);
    const std::size_t seekedAt = framesWritten();
    waitMs(900);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "the music should go on past its end";
    const double position = Mix_GetMusicPosition(nullptr);
    EXPECT_TRUE(position > 0.2 && position < 1.0) << "it should have started over: " << position;
    const std::vector<std::int16_t> out = stopAndRead();

    // No stretch of 20 ms anywhere after the jump falls silent: a gap at the
    // join would.
    const std::size_t window = frames(0.02);
    const std::size_t from = seekedAt + frames(0.1), to = out.size() / 2 - frames(0.05);
    ASSERT_GT(to, from + frames(0.5));
    for (std::size_t at = from; at + window <= to; at += window / 2) {
        ASSERT_GT(rmsDb(out, at, at + window), -45.0)
            << "silence at " << double(at - seekedAt) / rate << " s after the jump";
    }
}

}  // namespace
}  // namespace gyrock::audio::testing
