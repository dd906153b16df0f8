// Gyrock: start-up and the event loop.
#include <QApplication>

#include "halloffame/data_folder.h"
#include "ui/main_window.h"
#include "ui/shutdown.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gyrock"));

    gyrock::ui::MainWindow window(gyrock::dataFolder(QCoreApplication::arguments()));
    // A session's end and Ctrl+C close the window like the player does.
    gyrock::ui::closeOnSignals(&window, [&window] { window.requestClose(true); });
    if (!window.Form_Load()) return 1;  // reported; nothing read, never shown

    // Closing the window ends the program at once, whatever was running.
    // exit() ends every nested loop too, and asks no window's consent.
    QObject::connect(&window, &gyrock::ui::MainWindow::unloaded, &app, [] { QCoreApplication::exit(0); },
                     Qt::DirectConnection);
    window.showCentred();
    return QApplication::exec();
}
