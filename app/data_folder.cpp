// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "app/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "app/music_path.h"
#include "storage/data_files.h"
#include "storage/safe_file.h"

namespace gyrock {

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString& folder) {
    return fs::path(QFile::encodeName(QDir::cleanPath(folder)).toStdString());
}

// Permission bits alone can lie (read-only mounts, ACLs): try a real file.
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.gyrock-probe-XXXXXX"));
    return probe.open();
}

// A player's file can be large only when damaged; that one is carried whole too.
constexpr std::size_t kCarryLimit = 64 * 1024 * 1024;

}  // namespace

QStringList carryOverPlayerFiles(const fs::path& from, const fs::path& to) {
    QStringList copied;
    for (const char* name : {scoresFileName, prefsFileName}) {
        std::error_code ec;
        if (fs::symlink_status(to / name, ec).type() != fs::file_type::not_found) continue;
        const FileRead read = readBounded(from / name, kCarryLimit);
        if (read.status != FileRead::Status::Ok || read.truncated) continue;
        if (writeAtomically(to / name, read.bytes)) copied << QString::fromUtf8(name);
    }
    return copied;
}

fs::path defaultDataFolder(const QString& programFolder, const QString& perUserFolder) {
    const bool ownFolder =
        app::musicBesideProgram(programFolder) ||
        QFileInfo::exists(QDir(programFolder).filePath(QString::fromUtf8(portableMarkerName)));
    if (ownFolder && canWriteIn(programFolder)) return toPath(programFolder);
    QDir().mkpath(perUserFolder);
    carryOverPlayerFiles(toPath(programFolder), toPath(perUserFolder));
    return toPath(perUserFolder);
}

std::optional<fs::path> chooseDataFolder(const QString& requested, QString* error) {
    if (requested.isEmpty()) {
        return defaultDataFolder(QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    QString problem;
    if (!QDir().mkpath(requested) || !QFileInfo(requested).isDir()) {
        problem = QCoreApplication::translate("DataFolder", "it cannot be created");
    } else if (!canWriteIn(requested)) {
        problem = QCoreApplication::translate("DataFolder", "nothing can be written in it");
    }
    if (problem.isEmpty()) return toPath(QFileInfo(requested).absoluteFilePath());
    if (error) {
        *error = QCoreApplication::translate("DataFolder", "cannot keep the data files in '%1': %2")
                     .arg(requested, problem);
    }
    return std::nullopt;
}

}  // namespace gyrock
