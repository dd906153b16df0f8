// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The pictures loaded once for all tests, and a new game for the board to
// show.

#include <gtest/gtest.h>

#include "render/board_renderer.h"
#include "tests/support/null_host.h"

namespace gyrock::render::testing {

inline const Pictures& pictures() {
    static const Pictures loaded = Pictures::load();
    return loaded;
}

// Board cell (column, row) of the upright board's picture (or of the
// backdrop), side pixels a cell.
inline QImage cell(const QImage& picture, int column, int row, int side = kTileSize) {
    return picture.copy((column - kLeftWall) * side, (row - kFloorRow + 23) * side, side, side);
}

// What the upright picture shows, without its border.
inline QImage shown(const UprightPicture& picture) {
    return picture.framed()
        .copy(QRect(QPoint(1, 1), picture.size()))
        .convertToFormat(QImage::Format_RGB32);
}

class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        game.newGame();
        picture.setPictures(PictureScaler(pictures()).at(1));
    }

    NullHost host;
    Game game{host};
    UprightPicture picture;
};

}  // namespace gyrock::render::testing
