// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The game controllers on the main window. During a game the pads hold the
// arrows, as the keyboard does; Start pauses and resumes, as P does. Between
// games Start or South is NEW GAME; in a box South is its default button and
// East is No. Whatever the pad does, the mouse could have done at that moment.
//
// When it reads the pads: on every step of the game, and while a pad is
// connected (or one is being looked for after something was plugged in) at
// least every kPlayingMs while a game runs, so that a held direction is seen
// between the game's own wakes, and every kWaitingMs otherwise. With no pad
// and no search there is no timer at all: only the device watch's notifier,
// which wakes when something is plugged in.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <filesystem>

#include "engine/host.h"
#include "pad/pads.h"

namespace gyrock::ui {

class MainWindow;

// Where Linux keeps its input devices; tests give folders of their own.
struct PadFolders {
    std::filesystem::path devices = "/dev/input";
    std::filesystem::path inputClasses = "/sys/class/input";
};

class PadInput : public QObject {
    Q_OBJECT
  public:
    PadInput(MainWindow& window, const PadFolders& folders);
    ~PadInput() override;

    bool held(Arrow arrow) const;
    // Reads the pads now, if any may be there, and does what they say.
    void poll();

    static constexpr int kPlayingMs = 30;
    static constexpr int kWaitingMs = 50;

  private:
    void deviceFolderChanged();
    void act(const pad::Reading& reading);
    void pressButtons(const pad::Reading& reading);
    void rearm();

    MainWindow& window_;
    pad::Pads pads_;
    QTimer pollTimer_;
    QElapsedTimer clock_;
    pad::Reading held_;
};

}  // namespace gyrock::ui
