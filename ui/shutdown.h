// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The ways the program is told to end besides a close that Qt delivers: the
// signals a session or a terminal sends, and a window manager's close that Qt
// drops because a modal window blocks ours.

#include <functional>

class QObject;

namespace gyrock::ui {

// Runs `close` on the event loop's thread for every SIGTERM, SIGINT and
// SIGHUP. The handler only writes to a pipe, the one thing a signal handler
// may safely do; the loop reads it. False when the handlers could not be set.
bool closeOnSignals(QObject* owner, std::function<void()> close);

// Runs `close` (queued, on the event loop) when the window system asks the
// window `windowId` to close while a modal window blocks it. Does nothing on
// a window system where Qt already delivers every close.
void closeEvenWhenBlocked(QObject* owner, unsigned long long windowId, std::function<void()> close);

}  // namespace gyrock::ui
