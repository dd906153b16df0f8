// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/scores_format.h"

#include "storage/fields.h"
#include "storage/text_encoding.h"

namespace gyrock {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";

// A cut-off file may end in the middle of a character; that alone must not
// make the whole file look like an 8-bit one. The last character goes,
// whole or not: four bytes at most, lead byte included.
std::string_view dropCutCharacter(std::string_view bytes) {
    for (int k = 0; k < 4 && !bytes.empty(); ++k) {
        const auto b = static_cast<unsigned char>(bytes.back());
        if (b < 0x80) break;
        bytes.remove_suffix(1);
        if (b >= 0xC0) break;
    }
    return bytes;
}

// Cut at a character boundary, so the cut name is still valid UTF-8.
std::string_view cutName(std::string_view name, std::size_t limit) {
    if (name.size() <= limit) return name;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    return name.substr(0, end);
}

std::string escapeName(const std::string& name) {
    const std::string text = decodeText(name);
    std::string out;
    for (char c : cutName(text, maxNameBytes)) {
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' || c == '\n') {
            out += ' ';  // a line break cannot be stored in a one-line field
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

ScoresParse parseScores(std::string_view bytes, bool truncated) {
    if (bytes.starts_with(utf8Bom)) bytes.remove_prefix(utf8Bom.size());
    if (truncated) bytes = dropCutCharacter(bytes);
    const std::string text = decodeText(bytes);

    ScoresParse result;
    result.damaged = truncated;
    FieldReader reader(text);
    for (int k = 0; k < hallOfFameSize; ++k) {
        const auto scoreField = reader.next();
        const auto score =
            scoreField && !scoreField->quoted ? parseInt32(scoreField->text) : std::nullopt;
        if (!score) {
            result.damaged = true;
            return result;
        }
        const auto nameField = reader.next();
        if (!nameField) {
            result.damaged = true;
            return result;
        }
        if (!nameField->clean || !nameField->quoted) result.damaged = true;
        const std::string_view name = cutName(nameField->text, maxNameBytes);
        // Kept whole in the backup, since it is cut from here on.
        if (name.size() < nameField->text.size()) result.damaged = true;
        result.table.hofscore[k] = *score;
        result.table.hofname[k] = std::string(name);
    }
    if (reader.hasTrailingText()) result.damaged = true;
    return result;
}

std::string formatScores(const HallOfFame& table) {
    std::string out;
    for (int k = 0; k < hallOfFameSize; ++k) {
        out += std::to_string(table.hofscore[k]);
        out += "\r\n\"";
        out += escapeName(table.hofname[k]);
        out += "\"\r\n";
    }
    return out;
}

}  // namespace gyrock
