// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// How late the game loop's timed sleeps end against the deadline it asked
// for. Off unless GYROCK_WAKE_LOG names a file; then every sleep that ran to
// (or past) its deadline adds how late its timer fired, in microseconds, one
// number a line, written when the window goes away. For bench/, not players.

#include <QElapsedTimer>
#include <QString>
#include <cstdint>
#include <vector>

namespace gyrock::ui {

class WakeLog {
  public:
    WakeLog();
    ~WakeLog();
    WakeLog(const WakeLog&) = delete;
    WakeLog& operator=(const WakeLog&) = delete;

    bool enabled() const { return !path_.isEmpty(); }
    void sleeping(std::int64_t hintMs);
    // Called when the sleep's timer fires. A sleep that an event ended
    // earlier stops its timer and is not counted.
    void woke();

  private:
    QString path_;
    QElapsedTimer clock_;
    std::int64_t deadlineNs_ = 0;
    std::vector<std::int32_t> lateUs_;
};

}  // namespace gyrock::ui
