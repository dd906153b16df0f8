// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include "app/data_folder.h"
#include "ui/title.h"

namespace gyrock::app {

namespace {

constexpr int kUsageError = 2;

}  // namespace

CommandLine readCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Falling-block puzzle whose well swings to random angles."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Print this help and end."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Print the version and end."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QCoreApplication::translate(
            "CommandLine", "Keep the hall of fame and the options in <folder>, made if missing."),
        QCoreApplication::translate("CommandLine", "folder"));
    parser.addOptions({help, version, dataDir});
    // So that Qt's own -platform reads as one unknown option, not eight.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QString program =
        arguments.isEmpty() ? ui::programName() : QFileInfo(arguments.first()).fileName();
    const auto usageError = [&](const QString& message) {
        err << program << ": " << message << "\n"
            << QCoreApplication::translate("CommandLine", "Try '%1 --help' for more information.")
                   .arg(program)
            << "\n";
        err.flush();
        return CommandLine{kUsageError, {}};
    };

    if (!parser.parse(arguments)) return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // The first line in the program's own words, naming it as it was called.
        QString text = parser.helpText();
        text.replace(
            0, text.indexOf(QLatin1Char('\n')),
            QCoreApplication::translate("CommandLine", "Usage: %1 [options]").arg(program));
        out << text;
        out.flush();
        return CommandLine{0, {}};
    }
    if (parser.isSet(version)) {
        out << "gyrock " << GYROCK_VERSION << "\n";
        out.flush();
        return CommandLine{0, {}};
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                              .arg(parser.positionalArguments().first()));
    if (parser.values(dataDir).size() > 1)
        return usageError(
            QCoreApplication::translate("CommandLine", "--data-dir given more than once"));
    if (!parser.isSet(dataDir)) return {};
    const QString folder = parser.value(dataDir);
    if (folder.isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "the folder name is empty"));
    QString problem;
    const auto chosen = chooseDataFolder(folder, &problem);
    if (!chosen) {
        err << program << ": " << problem << "\n";
        err.flush();
        return CommandLine{kUsageError, {}};
    }
    return CommandLine{std::nullopt, chosen};
}

QStringList argumentsOf(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace gyrock::app
