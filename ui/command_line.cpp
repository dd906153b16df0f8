// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>

#include "ui/title.h"

namespace gyrock::ui {

namespace {

constexpr int kUsageError = 2;

// Empty when the folder can hold the data files; else why not. Permission
// bits alone can lie (read-only mounts, ACLs), so a real file is tried.
QString folderProblem(const QString& folder) {
    if (folder.isEmpty()) return QStringLiteral("the folder name is empty");
    if (!QDir().mkpath(folder)) return QStringLiteral("it cannot be created");
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".gyrock-probe-XXXXXX")));
    if (!probe.open()) return QStringLiteral("nothing can be written in it");
    return {};
}

}  // namespace

std::optional<int> readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Falling-block puzzle whose well swings to random angles."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and end."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Keep the hall of fame and the options in <folder>, made if missing."),
        QStringLiteral("folder"));
    parser.addOptions({help, version, dataDir});
    // So that Qt's own -platform reads as one unknown option, not eight.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QString program = arguments.isEmpty() ? programName()
                                                : QFileInfo(arguments.first()).fileName();
    const auto usageError = [&](const QString& message) {
        err << program << ": " << message << "\n"
            << "Try '" << program << " --help' for more information.\n";
        err.flush();
        return kUsageError;
    };

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // Qt names the program only when an application object exists.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(program));
        out << text;
        out.flush();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "gyrock " << GYROCK_VERSION << "\n";
        out.flush();
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.values(dataDir).size() > 1) return usageError(QStringLiteral("--data-dir given more than once"));
    if (parser.isSet(dataDir)) {
        const QString folder = parser.value(dataDir);
        const QString problem = folderProblem(folder);
        if (!problem.isEmpty()) {
            err << program << ": cannot keep the data files in '" << folder << "': " << problem << "\n";
            err.flush();
            return kUsageError;
        }
    }
    return std::nullopt;
}

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace gyrock::ui
