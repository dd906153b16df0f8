// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A sound system started afresh for every test, on a driver that needs no
// sound card.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "audio/audio.h"

namespace gyrock::audio::testing {

inline std::string shippedTrack() { return musicFilePath(GYROCK_RUNTIME_DIR); }

inline std::int32_t errorCode(AudioError e) { return static_cast<std::int32_t>(e); }

class DummyAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(init()) << "error " << lastError();
    }
    void TearDown() override { shutdown(); }
};

}  // namespace gyrock::audio::testing
