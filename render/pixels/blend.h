// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The clearing effect's blend: a picture laid over another through a mask.

#include <QImage>
#include <QPoint>

namespace gyrock::render::pixels {

// Overdraws dest at `at` with source blended in by mask, the mask's grey level
// the weight (255 gives source exactly); dest keeps its alpha. All three are
// 32 bits a pixel; what lies outside any of them is cut off.
void blendByMask(QImage& dest, QPoint at, const QImage& source, const QImage& mask);

}  // namespace gyrock::render::pixels
