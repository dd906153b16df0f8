// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// What has changed since someone last took it, after wlroots' damage ring
// with a single entry: one bounding rectangle, never short of what changed.

#include <QRect>
#include <utility>

namespace gyrock::render {

class Damage {
  public:
    void add(QRect area) { bounds_ |= area; }
    void clear() { bounds_ = QRect(); }
    // What changed, leaving nothing.
    QRect take() { return std::exchange(bounds_, QRect()); }
    bool isEmpty() const { return bounds_.isEmpty(); }

  private:
    QRect bounds_;
};

}  // namespace gyrock::render
