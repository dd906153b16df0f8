// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Reading and replacing the player's files so that nothing is ever lost:
// reads are bounded, writes are atomic, damaged originals are kept.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace gyrock {

// The real files are a few hundred bytes; anything past this is not ours.
inline constexpr std::size_t maxDataFileRead = 64 * 1024;

struct FileRead {
    enum class Status { Ok, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;
    bool truncated = false;  // the file was longer than the bytes read
};

FileRead readBounded(const std::filesystem::path& file, std::size_t limit = maxDataFileRead);

// Writes a temporary file beside `file`, flushes it to disk and renames it
// over `file`: a crash leaves the old file or the new one, never a torn one.
bool writeAtomically(const std::filesystem::path& file, std::string_view bytes);

// Removes the temporaries (file.tmpPID) that a save killed before its rename
// left beside `file`: those of processes that no longer run, and any of this
// process's own id. Returns how many were removed.
int removeLeftoverTemporaries(const std::filesystem::path& file);

// Keeps `file` as file.bak, or file.bak2, file.bak3, ... when older backups
// exist; an existing backup is never replaced. Returns the name used, or an
// empty path on failure.
std::filesystem::path keepBackup(const std::filesystem::path& file);

}  // namespace gyrock
