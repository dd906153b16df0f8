// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The comma-or-line field syntax both data files use: a field ends at a
// comma outside quotes or at the end of its line (LF, or CR LF). A quoted
// field reads "" as one quote, so a name holding a quote survives.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gyrock {

struct Field {
    std::string text;
    bool quoted = false;
    // False when the field broke the syntax and was recovered as well as
    // possible (stray text after the closing quote, or no closing quote).
    bool clean = true;
};

class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // Empty once the text is used up.
    std::optional<Field> next();

    // True when anything but blanks and line ends follows the fields read.
    bool hasTrailingText() const;

  private:
    Field readQuoted();
    Field readPlain();
    void skipBlanks();
    // After a field: consume a comma or a line end; false if neither is here.
    bool consumeSeparator();
    std::size_t endOfLine() const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Optional sign, then decimal digits, blanks around allowed; nothing that
// would not fit 32 bits.
std::optional<std::int32_t> parseInt32(std::string_view text);

}  // namespace gyrock
