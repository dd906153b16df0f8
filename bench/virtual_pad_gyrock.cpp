// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The game with one of SDL's virtual pads plugged in from the start, for
// bench/cpu_compare.sh: what a connected pad costs. Takes --data-dir DIR as
// the game does; the device folders are made up in a folder of its own.

#include <SDL.h>

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <fstream>

#include "app/music_path.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at < 0 || at + 1 >= arguments.size()) return 2;

    // An Xbox pad's node and key capabilities, as the kernel shows them.
    QTemporaryDir folders;
    const std::filesystem::path root = folders.path().toStdString();
    std::filesystem::create_directories(root / "dev");
    std::filesystem::create_directories(root / "sys/input1/capabilities");
    std::ofstream(root / "sys/input1/capabilities/key") << "7cdb000000000000 0 0 0 0\n";
    std::ofstream(root / "dev/event1");
    // SIGTERM ends it, as it does the game.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return 1;
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    SDL_Joystick* pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    if (!pad) return 1;

    gyrock::ui::MainWindow window(arguments[at + 1].toStdString(),
                                  gyrock::app::musicFileFor(QCoreApplication::applicationDirPath()),
                                  {root / "dev", root / "sys"});
    if (!window.startUp()) return 1;
    QObject::connect(&window, &gyrock::ui::MainWindow::unloaded, &app, &QCoreApplication::quit);
    window.showCentred();
    const int status = QApplication::exec();
    SDL_JoystickClose(pad);
    return status;
}
