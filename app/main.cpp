// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Gyrock: start-up and the event loop.
#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/music_path.h"
#include "app/signals.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "ui/main_window.h"
#include "ui/title.h"

namespace {

// The theme's icon when the game is installed; the copy built in otherwise
// (a build tree, a portable copy), so the title bar never shows a generic one.
QIcon programIcon() {
    QIcon builtIn;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/gyrock-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral(GYROCK_APP_ID), builtIn);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The player's language, for the command line's texts and the window's.
    gyrock::app::Translations translations(gyrock::app::messagesLocale());

    // Before anything opens a display or the sound device: --help, --version
    // and a wrong option need neither. Qt translates only through an
    // application object, so the command line has a display-less one of its own.
    gyrock::app::CommandLine options;
    {
        QCoreApplication commandLine(argc, argv);
        translations.install();
        QTextStream out(stdout);
        QTextStream err(stderr);
        options = gyrock::app::readCommandLine(gyrock::app::argumentsOf(argc, argv), out, err);
    }
    if (options.exitStatus) return *options.exitStatus;

    QApplication app(argc, argv);
    translations.install();
    QApplication::setApplicationName(gyrock::ui::programName());
    // Wayland compositors match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(GYROCK_APP_ID));
    QApplication::setWindowIcon(programIcon());
    // The program ends when its window has closed and everything is saved,
    // not before: a notice that a file could not be written outlives the window.
    QApplication::setQuitOnLastWindowClosed(false);

    const auto folder =
        options.dataFolder ? options.dataFolder : gyrock::chooseDataFolder(QString(), nullptr);
    // One copy per data folder; a later one shows the running one and ends.
    gyrock::app::SingleInstance instance(*folder);
    if (!instance.first()) {
        const bool shown = instance.bringFirstToFront();
        std::fprintf(stderr, "gyrock: already running on %s%s\n", folder->c_str(),
                     shown ? "; brought to the front" : "");
        return 0;
    }

    gyrock::ui::MainWindow window(
        *folder, gyrock::app::musicFileFor(QCoreApplication::applicationDirPath()));
    instance.whenAsked(&window, [&window] { window.bringToFront(); });
    // A session's end and Ctrl+C close the window like the player does.
    gyrock::app::closeOnSignals(&window, [&window] { window.requestClose(true); });
    if (!window.startUp()) return 1;  // reported; nothing read, never shown

    // Closing the window ends the program at once, whatever was running.
    // Under Wayland, Qt 6.4 can abort while it dispatches events that were
    // queued for a surface already destroyed (its event thread races the
    // main one); everything of the player's is saved by now, so the program
    // ends here instead of tearing the connection down.
    const bool wayland = QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
    QObject::connect(
        &window, &gyrock::ui::MainWindow::unloaded, &app,
        [wayland, &instance] {
            if (wayland) {
                instance.release();
                std::fflush(nullptr);
                std::_Exit(0);
            }
            QCoreApplication::exit(0);
        },
        Qt::DirectConnection);
    window.showCentred();
    return QApplication::exec();
}
