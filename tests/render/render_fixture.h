// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The pictures loaded once for all tests, and a game with its walls and
// floor for a renderer to draw.

#include <gtest/gtest.h>

#include <QImage>

#include "engine/game.h"
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

class RenderTest : public ::testing::Test {
protected:
    RenderTest() : renderer(pictures()) {
        for (int y = 0; y <= kFloorRow; ++y) game.board(kLeftWall, y) = game.board(kRightWall, y) = kWall;
        for (int x = kLeftWall; x <= kRightWall; ++x) game.board(x, kFloorRow) = kWall;
    }

    NullHost host;
    Game game{host};
    BoardRenderer renderer;
};

}  // namespace gyrock::render::testing
