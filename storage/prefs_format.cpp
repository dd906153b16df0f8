// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/prefs_format.h"

#include <array>

#include "storage/fields.h"

namespace gyrock {

PrefsParse parsePrefs(std::string_view bytes, bool truncated) {
    PrefsParse result;
    result.damaged = truncated;
    FieldReader reader(bytes);
    for (std::int16_t Prefs::*line : prefsFileLines) {
        std::int16_t* value = &(result.prefs.*line);
        const auto field = reader.next();
        const auto number = field && !field->quoted ? parseInt32(field->text) : std::nullopt;
        if (number && *number >= checkClear && *number <= checkGreyed) {
            *value = static_cast<std::int16_t>(*number);
        } else {
            result.damaged = true;
        }
    }
    if (reader.hasTrailingText()) result.damaged = true;
    return result;
}

std::string formatPrefs(const Prefs& prefs) {
    std::string out;
    for (std::int16_t Prefs::*line : prefsFileLines) {
        out += std::to_string(prefs.*line);
        out += "\r\n";
    }
    return out;
}

}  // namespace gyrock
