// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A sound system started afresh for every test, on a driver that needs no
// sound card.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "audio/audio.h"

namespace gyrock::audio::testing {

inline std::string shippedTrack() { return musicFilePath(GYROCK_RUNTIME_DIR); }

inline std::int32_t errorCode(AudioError e) { return static_cast<std::int32_t>(e); }

// The state of the one output the mixer opens: paused means no mixing runs,
// stopped that it is closed and no sound thread runs at all.
inline SDL_AudioStatus outputState() {
    for (SDL_AudioDeviceID id = 1; id < 64; ++id) {
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return SDL_GetAudioDeviceStatus(id);
    }
    return SDL_AUDIO_STOPPED;
}

class DummyAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(init()) << "error " << lastError();
    }
    void TearDown() override { shutdown(); }
};

}  // namespace gyrock::audio::testing
