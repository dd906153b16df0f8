// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Any bytes at all: the reader must not crash, and whatever table it makes
// must survive a write and a read unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/scores_format.h"

namespace {

// The one change writing makes: a line break cannot live inside a name.
gyrock::HallOfFame asWritten(gyrock::HallOfFame t) {
    for (auto& name : t.hofname) {
        for (char& c : name) {
            if (c == '\r' || c == '\n') c = ' ';
        }
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (bool truncated : {false, true}) {
        const gyrock::ScoresParse first = gyrock::parseScores(bytes, truncated);
        const gyrock::ScoresParse again = gyrock::parseScores(gyrock::formatScores(first.table));
        if (again.damaged || again.table != asWritten(first.table)) std::abort();
    }
    return 0;
}
