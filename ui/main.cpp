// Gyrock: start-up and the event loop.
#include <QApplication>

#include "halloffame/data_folder.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gyrock"));

    gyrock::ui::MainWindow window(gyrock::dataFolder(QCoreApplication::arguments()));
    if (!window.Form_Load()) return 1;  // reported; nothing read, never shown

    // Closing the window ends the program at once, whatever was running.
    QObject::connect(&window, &gyrock::ui::MainWindow::unloaded, &app, &QCoreApplication::quit,
                     Qt::DirectConnection);
    window.showCentred();
    return QApplication::exec();
}
