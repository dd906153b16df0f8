#include "ui/music_path.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include "audio/audio.h"

namespace gyrock::ui {

std::string musicFileFor(const QString& programDir) {
    const std::string beside = audio::musicFilePath(programDir.toStdString());
    if (QFileInfo::exists(QString::fromStdString(beside))) return beside;
    const QString installed = QDir(programDir).filePath(QStringLiteral("../share/gyrock/stakko_remix.mp3"));
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed).toStdString();
    // Neither exists: the game plays in silence, as it does with any music it
    // cannot open, but whoever packaged or moved it learns why.
    qWarning("gyrock: no music at %s or %s; the game plays in silence",
             qUtf8Printable(QString::fromStdString(beside)), qUtf8Printable(QDir::cleanPath(installed)));
    return beside;
}

}  // namespace gyrock::ui
