#include "ui/music_path.h"

#include <QDir>
#include <QFileInfo>

#include "audio/audio.h"

namespace gyrock::ui {

std::string musicFileFor(const QString& programDir) {
    const std::string beside = audio::musicFilePath(programDir.toStdString());
    if (QFileInfo::exists(QString::fromStdString(beside))) return beside;
    const QString installed = QDir(programDir).filePath(QStringLiteral("../share/gyrock/stakko_remix.mp3"));
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed).toStdString();
    // Neither exists: the game plays in silence, as it does with any music it
    // cannot open; opening it says so, once.
    return beside;
}

}  // namespace gyrock::ui
