// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "diagnostics/wake_log.h"

#include <QFile>
#include <QTextStream>

namespace gyrock::ui {

WakeLog::WakeLog() : path_(qEnvironmentVariable("GYROCK_WAKE_LOG")) {
    if (!enabled()) return;
    clock_.start();
    lateUs_.reserve(1 << 16);
}

WakeLog::~WakeLog() {
    if (!enabled()) return;
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&file);
    for (std::int32_t late : lateUs_) out << late << '\n';
}

void WakeLog::sleeping(std::int64_t hintMs) {
    if (enabled()) deadlineNs_ = clock_.nsecsElapsed() + hintMs * 1'000'000;
}

void WakeLog::woke() {
    if (!enabled()) return;
    const std::int64_t late = clock_.nsecsElapsed() - deadlineNs_;
    if (late >= 0 && lateUs_.size() < (1u << 22))
        lateUs_.push_back(static_cast<std::int32_t>(late / 1000));
}

}  // namespace gyrock::ui
