// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "storage/fields.h"

#include <algorithm>

namespace gyrock {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<Field> FieldReader::next() {
    if (pos_ >= text_.size()) return std::nullopt;
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '"') return readQuoted();
    return readPlain();
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

std::size_t FieldReader::endOfLine() const {
    const std::size_t nl = text_.find('\n', pos_);
    return nl == std::string_view::npos ? text_.size() : nl;
}

bool FieldReader::consumeSeparator() {
    const std::string_view rest = text_.substr(pos_);
    if (rest.empty()) return true;
    // A lone CR ends a field only at the end: a file cut between CR and LF.
    if (rest.starts_with(",") || rest.starts_with("\n") || rest == "\r") {
        pos_ += 1;
        return true;
    }
    if (rest.starts_with("\r\n")) {
        pos_ += 2;
        return true;
    }
    return false;
}

Field FieldReader::readQuoted() {
    const std::size_t open = pos_;
    const std::size_t eol = endOfLine();
    Field field;
    field.quoted = true;
    std::size_t i = open + 1;
    bool closed = false;
    while (i < eol) {
        if (text_[i] == '"') {
            if (i + 1 < eol && text_[i + 1] == '"') {
                field.text += '"';
                i += 2;
                continue;
            }
            closed = true;
            ++i;
            break;
        }
        field.text += text_[i++];
    }
    if (closed) {
        pos_ = i;
        skipBlanks();
        if (consumeSeparator()) return field;
    }
    // Broken quoting, e.g. an inner quote written unescaped by an old
    // version: keep everything between the first and the last quote of the
    // line, as it was typed, and go on with the next line.
    std::string_view rest = text_.substr(open + 1, eol - open - 1);
    if (!rest.empty() && rest.back() == '\r') rest.remove_suffix(1);
    std::string_view inner = rest;
    while (!inner.empty() && isBlank(inner.back())) inner.remove_suffix(1);
    if (!inner.empty() && inner.back() == '"') {
        inner.remove_suffix(1);
        rest = inner;
    }
    field.text.assign(rest);
    field.clean = false;
    pos_ = std::min(eol + 1, text_.size());
    return field;
}

Field FieldReader::readPlain() {
    std::size_t end = pos_;
    while (end < text_.size() && text_[end] != ',' && text_[end] != '\n') ++end;
    Field field;
    field.text.assign(trimBlanks(text_.substr(pos_, end - pos_)));
    pos_ = end;
    consumeSeparator();
    return field;
}

bool FieldReader::hasTrailingText() const {
    for (std::size_t i = pos_; i < text_.size(); ++i) {
        const char c = text_[i];
        if (!isBlank(c) && c != '\r' && c != '\n') return true;
    }
    return false;
}

std::optional<std::int32_t> parseInt32(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace gyrock
