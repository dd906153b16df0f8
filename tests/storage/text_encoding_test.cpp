// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

#include "storage/text_encoding.h"

#include <gtest/gtest.h>

// What is not UTF-8 is read as Windows-1252, so no old name is lost.
TEST(TextEncoding, WhatIsNotUtf8IsReadAsWindows1252) {
    const std::pair<std::string_view, std::string> cases[] = {
        // bytes, text
        {"Zo\xC3\xAB \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF", "Zoë 😀 \U0010FFFF"},
        {"Zo\xEB \x80\x81\x9F", "Zoë €\u0081Ÿ"},
        {"\xC0\x80", "À€"},                        // overlong
        {"\xE0\x80\x80", "à€€"},                   // overlong
        {"\xED\xA0\x80", "í\u00A0€"},              // a surrogate
        {"\xED\xBF\xBF", "í¿¿"},                   // a surrogate
        {"\xF4\x90\x80\x80", "ô\u0090€€"},         // past Unicode
        {std::string_view("a\xC3\xA9", 2), "aÃ"},  // cut inside a letter
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(gyrock::decodeText(bytes), text) << text;
}
