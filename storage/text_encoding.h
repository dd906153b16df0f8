// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Old files were written in the Windows 8-bit code page; ours are UTF-8.
// A file that is not valid UTF-8 is taken to be Windows-1252.

#include <string>
#include <string_view>

namespace gyrock {

bool isValidUtf8(std::string_view bytes);

// Every byte maps to a character (the five unassigned ones to the C1
// controls of the same value), so no old name is ever dropped.
std::string windows1252ToUtf8(std::string_view bytes);

// UTF-8 as it is, anything else decoded as Windows-1252.
std::string decodeText(std::string_view bytes);

}  // namespace gyrock
