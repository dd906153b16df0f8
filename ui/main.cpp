// Gyrock: start-up and the event loop.
#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>

#include "halloffame/data_folder.h"
#include "ui/command_line.h"
#include "ui/main_window.h"

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
    // Before anything opens a display or the sound device: --help, --version
    // and a wrong option need neither.
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const auto status = gyrock::ui::readCommandLine(gyrock::ui::argumentsOf(argc, argv), out, err))
            return *status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gyrock"));
    // Wayland compositors match the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(GYROCK_APP_ID));
    QApplication::setWindowIcon(programIcon());

    gyrock::ui::MainWindow window(gyrock::dataFolder(QCoreApplication::arguments()));
    if (!window.Form_Load()) return 1;  // reported; nothing read, never shown

    // Closing the window ends the program at once, whatever was running.
    QObject::connect(&window, &gyrock::ui::MainWindow::unloaded, &app, &QCoreApplication::quit,
                     Qt::DirectConnection);
    window.showCentred();
    return QApplication::exec();
}
