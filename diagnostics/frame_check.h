// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The proof that drawing only what changed shows what drawing everything
// would: a copy of what the window's paints put into the board square, held
// against a full redraw after every frame. Asked for with GYROCK_CHECK_FRAMES=1.

#include <QImage>
#include <QRegion>

namespace gyrock::ui {

class FrameCheck {
  public:
    // True when the environment asks for the check.
    static bool requested();
    ~FrameCheck();

    // The window painted region (logical pixels) from the square as it stands.
    void painted(const QRegion& region, const QImage& square);
    // After a frame has reached the window: how many pixels of the square
    // differ from the full redraw (reported on stderr when any do), leaving
    // out what the window's opaque controls cover; -1 when the window has not
    // been painted yet.
    long long compare(const QImage& fullRedraw, const QRegion& covered);

    int frames() const { return frames_; }
    int differingFrames() const { return differingFrames_; }
    long long differingPixels() const { return differingPixels_; }

  private:
    QImage shown_;
    QRegion everPainted_;
    int frames_ = 0;
    int differingFrames_ = 0;
    long long differingPixels_ = 0;
};

}  // namespace gyrock::ui
