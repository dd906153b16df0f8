// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "diagnostics/frame_check.h"

#include <cstdio>

#include "render/board_renderer.h"
#include "render/density.h"
#include "render/tile_copy.h"

namespace gyrock::ui {
bool FrameCheck::requested() {
    const QByteArray value = qgetenv("GYROCK_CHECK_FRAMES");
    return !value.isEmpty() && value != "0";
}

FrameCheck::~FrameCheck() {
    if (frames_ == 0) return;
    std::fprintf(stderr, "frame check: %d frames compared, %d differing (%lld pixels)\n", frames_,
                 differingFrames_, differingPixels_);
}

void FrameCheck::painted(const QRegion& region, const QImage& square) {
    const qreal ratio = square.devicePixelRatio();
    if (shown_.size() != square.size() || shown_.devicePixelRatio() != ratio) {
        // Whatever no paint reaches shows up as a difference.
        shown_ = QImage(square.size(), QImage::Format_RGB32);
        shown_.fill(Qt::magenta);
        shown_.setDevicePixelRatio(ratio);
        everPainted_ = QRegion();
    }
    const QRegion inSquare = region.intersected(render::BoardRenderer::squareArea());
    for (const QRect& r : inSquare) {
        const QRect device = render::deviceRect(r, ratio);
        render::copyArea(shown_, square, device, device.topLeft());
    }
    // Where the window never paints (under its opaque frames), it shows none of the board.
    everPainted_ += inSquare;
}

long long FrameCheck::compare(const QImage& fullRedraw, const QRegion& covered) {
    if (shown_.isNull()) return -1;
    ++frames_;
    long long differing = 0;
    if (shown_.size() != fullRedraw.size()) {
        differing = static_cast<long long>(fullRedraw.width()) * fullRedraw.height();
    } else {
        for (const QRect& r : everPainted_.subtracted(covered)) {
            differing += render::differingPixels(shown_, fullRedraw,
                                                 render::deviceRect(r, shown_.devicePixelRatio()));
        }
    }
    if (differing > 0) {
        ++differingFrames_;
        differingPixels_ += differing;
        std::fprintf(stderr, "frame check: frame %d differs from a full redraw in %lld pixels\n",
                     frames_, differing);
    }
    return differing;
}

}  // namespace gyrock::ui
