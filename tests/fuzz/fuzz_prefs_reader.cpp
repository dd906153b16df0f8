// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Any bytes at all: the reader must not crash, every value it gives must be
// one a check box takes (off, on or greyed), and what it gives must survive a
// write and a read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/prefs_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const gyrock::PrefsParse first = gyrock::parsePrefs(bytes);
    const gyrock::Prefs& p = first.prefs;
    for (std::int16_t v : {p.opt_mus, p.opt_aa, p.opt_color, p.opt_remainp}) {
        if (v != 0 && v != 1 && v != gyrock::checkGreyed) std::abort();
    }
    const gyrock::PrefsParse again = gyrock::parsePrefs(gyrock::formatPrefs(p));
    if (again.damaged || !(again.prefs == p)) std::abort();
    return 0;
}
