#include "halloffame/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace gyrock {

namespace {

std::filesystem::path toPath(const QString& folder) {
    return std::filesystem::path(QFile::encodeName(QDir::cleanPath(folder)).toStdString());
}

QString requestedFolder(const QStringList& arguments) {
    const QString option = QStringLiteral("--data-dir");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == option && i + 1 < arguments.size()) return arguments[i + 1];
        if (arg.startsWith(option + QLatin1Char('='))) return arg.mid(option.size() + 1);
    }
    return {};
}

// Permission bits alone can lie (read-only mounts, ACLs): try a real file.
bool canWriteIn(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.gyrock-probe-XXXXXX"));
    return probe.open();
}

}  // namespace

std::filesystem::path dataFolder(const QStringList& arguments) {
    const QString requested = requestedFolder(arguments);
    if (!requested.isEmpty()) {
        QDir().mkpath(requested);
        return toPath(QFileInfo(requested).absoluteFilePath());
    }
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (canWriteIn(programFolder)) return toPath(programFolder);
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return toPath(perUser);
}

}  // namespace gyrock
