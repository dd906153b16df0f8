// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The pictures stored with the window, and the same at the window's density.

#include <QImage>
#include <QString>
#include <array>
#include <optional>

#include "render/density.h"

namespace gyrock::render {

// A tile's side at normal density, on the board and in the preview alike.
inline constexpr int kTileSize = 16;
// Piece and board values 1 to 9 are drawn with the tile of that number.
inline constexpr bool hasTile(int value) { return value >= 1 && value <= 9; }

// Loaded from the embedded resources (or from another folder, given with its
// trailing slash). One that is missing or not of its size is replaced by a
// flat picture of its base colour.
struct Pictures {
    QImage background;             // 622 x 485, the window background
    QImage backdrop;               // 224 x 384, the upright picture's own
    std::array<QImage, 10> tiles;  // itemp(0..9), 16 x 16
    QImage clearMark;              // f, 16 x 16
    static Pictures load(const QString& folder = QStringLiteral(":/pictures/"));
};

// The same pictures drawn with twice the detail, each twice as wide and high,
// for screens of more than normal density.
struct DetailedPictures {
    QImage background, backdrop;
    std::array<QImage, 10> tiles;
    QImage clearMark;
    static DetailedPictures load(const Pictures& normal);
};

// The pictures at one density, 32-bit opaque: the board's at `cell` pixels a
// tile, the background at the window's size with the density set.
struct ScaledPictures {
    int cell = kTileSize;
    QImage background, backdrop, clearMark;
    std::array<QImage, 10> tiles;
};

// Scales the pictures for a density: the normal ones at 1, the detailed ones
// at 2, and in between (or beyond) the detailed ones resampled once. The
// detailed ones are loaded only when first needed.
class PictureScaler {
  public:
    explicit PictureScaler(const Pictures& normal) : normal_(normal) {}
    ScaledPictures at(qreal ratio);

  private:
    const Pictures& normal_;
    std::optional<DetailedPictures> detailed_;
};

}  // namespace gyrock::render
