// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The pictures loaded once for all tests, and a game with its walls and
// floor for the board to show.

#include <gtest/gtest.h>

#include <QImage>

#include "engine/game.h"
#include "render/board_renderer.h"
#include "render/pictures.h"
#include "render/preview.h"
#include "render/upright_picture.h"
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
        for (int y = 0; y <= kFloorRow; ++y) {
            game.board(kLeftWall, y) = game.board(kRightWall, y) = kWall;
        }
        for (int x = kLeftWall; x <= kRightWall; ++x) game.board(x, kFloorRow) = kWall;
        picture.setPictures(PictureScaler(pictures()).at(1));
    }

    NullHost host;
    Game game{host};
    UprightPicture picture;
};

}  // namespace gyrock::render::testing
