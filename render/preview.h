// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The next-piece preview.

#include <QImage>
#include <QRect>

#include "engine/board.h"
#include "render/pictures.h"

namespace gyrock::render {

// The full-size picture: n x 16 square, black, tiles at 16 px.
QImage composePreview(const PieceMatrix& nextpiece, const Pictures& pictures);
// Where the n x 6 preview sits inside the 24 x 24 frame box.
QRect previewGeometry(int n);

}  // namespace gyrock::render
