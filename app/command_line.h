// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The options, read before any window or the sound device exists, so that
// --help, --version and a mistyped option work on a machine with neither.

#include <QStringList>
#include <filesystem>
#include <optional>

class QTextStream;

namespace gyrock::app {

struct CommandLine {
    // Set when the program should end at once, having printed the help or
    // the version on `out`, or what went wrong on `err`.
    std::optional<int> exitStatus;
    // The usable folder that --data-dir named, made if missing; empty when
    // the option was not given.
    std::optional<std::filesystem::path> dataFolder;
};

// Reads the arguments (the program's name first).
CommandLine readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The arguments as the system passed them, without a QCoreApplication.
QStringList argumentsOf(int argc, const char* const* argv);

}  // namespace gyrock::app
