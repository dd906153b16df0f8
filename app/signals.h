// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The way the program is told to end besides its window's close: the
// signals a session or a terminal sends.

#include <functional>

class QObject;

namespace gyrock::app {

// Runs `close` on the event loop's thread for every SIGTERM, SIGINT and
// SIGHUP. The handler only writes to a pipe, the one thing a signal handler
// may safely do; the loop reads it. False when the handlers could not be set.
bool closeOnSignals(QObject* owner, std::function<void()> close);

}  // namespace gyrock::app
