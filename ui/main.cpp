// Gyrock: start-up and the event loop.
#include <QApplication>
#include <cstdio>

#include "halloffame/data_folder.h"
#include "ui/main_window.h"
#include "ui/shutdown.h"
#include "ui/single_instance.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gyrock"));

    QString folderError;
    const auto folder = gyrock::chooseDataFolder(
        gyrock::requestedDataFolder(QCoreApplication::arguments()), &folderError);
    if (!folder) {
        std::fprintf(stderr, "gyrock: %s\n", qUtf8Printable(folderError));
        return 2;
    }
    // One copy per data folder; a later one shows the running one and ends.
    gyrock::ui::SingleInstance instance(*folder);
    if (!instance.first()) {
        const bool shown = instance.bringFirstToFront();
        std::fprintf(stderr, "gyrock: already running on %s%s\n", folder->c_str(),
                     shown ? "; brought to the front" : "");
        return 0;
    }

    gyrock::ui::MainWindow window(*folder);
    instance.whenAsked(&window, [&window] { window.bringToFront(); });
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
