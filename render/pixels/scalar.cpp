// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The reference kernels: one pixel at a time, on any processor.

#include "render/pixels/kernels.h"
#include "render/pixels/pixel.h"

namespace gyrock::render::pixels {

void smoothScalar(std::span<const Stretch> stretches) {
    for (const Stretch& s : stretches) smoothFrom(s, s.x0);
}

void plainScalar(std::span<const Stretch> stretches) {
    for (const Stretch& s : stretches) plainFrom(s, s.x0);
}

}  // namespace gyrock::render::pixels
