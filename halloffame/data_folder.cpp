#include "halloffame/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "halloffame/data_files.h"
#include "halloffame/safe_file.h"

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
    const bool portable = QFileInfo::exists(QDir(programFolder).filePath(QString::fromUtf8(portableMarkerName)));
    if (portable && canWriteIn(programFolder)) return toPath(programFolder);
    QDir().mkpath(perUserFolder);
    carryOverPlayerFiles(toPath(programFolder), toPath(perUserFolder));
    return toPath(perUserFolder);
}

std::optional<fs::path> chooseDataFolder(const QString& requested, QString* error) {
    if (requested.isEmpty()) {
        return defaultDataFolder(QCoreApplication::applicationDirPath(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    const QFileInfo info(requested);
    if (!QDir().mkpath(requested) || !QFileInfo(info.absoluteFilePath()).isDir()) {
        if (error) *error = QStringLiteral("%1 is not a folder that can be used for the data files").arg(requested);
        return std::nullopt;
    }
    return toPath(info.absoluteFilePath());
}

QString requestedDataFolder(const QStringList& arguments) {
    const QString option = QStringLiteral("--data-dir");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == option && i + 1 < arguments.size()) return arguments[i + 1];
        if (arg.startsWith(option + QLatin1Char('='))) return arg.mid(option.size() + 1);
    }
    return {};
}

fs::path dataFolder(const QStringList& arguments) {
    if (auto folder = chooseDataFolder(requestedDataFolder(arguments), nullptr)) return *folder;
    return *chooseDataFolder(QString(), nullptr);
}

}  // namespace gyrock
