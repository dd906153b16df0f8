// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "app/music_path.h"

#include <QDir>
#include <QFileInfo>

#include "audio/audio.h"

namespace gyrock::app {

bool musicBesideProgram(const QString& programDir) {
    return QFileInfo::exists(
        QString::fromStdString(audio::musicFilePath(programDir.toStdString())));
}

std::string musicFileFor(const QString& programDir) {
    const std::string beside = audio::musicFilePath(programDir.toStdString());
    if (musicBesideProgram(programDir)) return beside;
    // Where the build installs it, taken relative to the program so that an
    // installed tree works wherever it was put or unpacked.
    const QString installed =
        QDir::cleanPath(QDir(QDir(programDir).filePath(QStringLiteral(GYROCK_DATA_FROM_BINDIR)))
                            .filePath(QFileInfo(QString::fromStdString(beside)).fileName()));
    if (QFileInfo::exists(installed)) return installed.toStdString();
    // Neither exists: the game plays in silence, as it does with any music it
    // cannot open; opening it says so, once.
    return beside;
}

}  // namespace gyrock::app
