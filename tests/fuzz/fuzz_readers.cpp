// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Any bytes at all, as either file: the readers must not crash, and what they
// give must survive a write and a read unchanged (so an option value is also
// one a check box takes: off, on or greyed).

#include <algorithm>
#include <cstdlib>

#include "storage/prefs_format.h"
#include "storage/scores_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const gyrock::Prefs prefs = gyrock::parsePrefs(bytes).prefs;
    const gyrock::PrefsParse prefsAgain = gyrock::parsePrefs(gyrock::formatPrefs(prefs));
    if (prefsAgain.damaged || prefsAgain.prefs != prefs) std::abort();
    for (bool truncated : {false, true}) {
        gyrock::HallOfFame table = gyrock::parseScores(bytes, truncated).table;
        const gyrock::ScoresParse again = gyrock::parseScores(gyrock::formatScores(table));
        // The one change writing makes: a CR in a name is written as a blank
        // (an LF ends a name's line, so no name holds one).
        for (std::string& name : table.hofname) std::ranges::replace(name, '\r', ' ');
        if (again.damaged || again.table != table) std::abort();
    }
    return 0;
}
