// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/player_files.h"

namespace gyrock::ui {

PlayerFiles::PlayerFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

Prefs PlayerFiles::load() {
    scoresFile("load", folder_, hallOfFame_, scoresState_);
    Prefs prefs;
    prefsFile("load", folder_, prefs, prefsState_);
    loaded_ = true;
    return prefs;
}

QStringList PlayerFiles::save(const Prefs& prefs) {
    QStringList failed;
    if (!loaded_) return failed;
    if (!saveHallOfFame()) failed << QString::fromUtf8(scoresFileName);
    Prefs copy = prefs;
    if (!prefsFile("save", folder_, copy, prefsState_)) failed << QString::fromUtf8(prefsFileName);
    return failed;
}

bool PlayerFiles::saveHallOfFame() { return scoresFile("save", folder_, hallOfFame_, scoresState_); }

QString PlayerFiles::notSavedText(const QStringList& files) const {
    QStringList paths;
    for (const QString& file : files) paths << QString::fromStdString((folder_ / file.toStdString()).string());
    return QStringLiteral("Could not save %1.\r\nCheck that the folder can be written to.")
        .arg(paths.join(QStringLiteral(" and ")));
}

}  // namespace gyrock::ui
