// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// A game state the renderer can read, with a host that does nothing, and the
// pictures loaded once for all tests.

#include <gtest/gtest.h>

#include <QImage>

#include "engine/game.h"
#include "tests/support/null_host.h"
#include "render/board_renderer.h"

namespace gyrock::render::testing {

using SilentHost = NullHost;

inline const Pictures& pictures() {
    static const Pictures loaded = Pictures::load();
    return loaded;
}

// The window's drawing layer: the client area, transparent.
inline QImage windowLayer(qreal dpr = 1) {
    QImage layer(QSize(625, 482) * dpr, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    layer.fill(Qt::transparent);
    return layer;
}

class RenderTest : public ::testing::Test {
protected:
    RenderTest() : renderer(pictures()) {
        // Walls and floor as a new game leaves them; the well empty.
        for (int y = 0; y <= kFloorRow; ++y) {
            game.board(kLeftWall, y) = kWall;
            game.board(kRightWall, y) = kWall;
        }
        for (int x = kLeftWall; x <= kRightWall; ++x) game.board(x, kFloorRow) = kWall;
    }

    // True when the 16 x 16 cell at (x, y) of picture shows exactly tile.
    static bool showsTile(const QImage& picture, int x, int y, const QImage& tile) {
        for (int dy = 0; dy < 16; ++dy) {
            for (int dx = 0; dx < 16; ++dx) {
                if (picture.pixel(x + dx, y + dy) != tile.pixel(dx, dy)) return false;
            }
        }
        return true;
    }
    static bool cellShowsTile(const QImage& bbuffer, int column, int row, const QImage& tile) {
        return showsTile(bbuffer, (column - 3) * 16, (row - 7) * 16, tile);
    }

    SilentHost host;
    Game game{host};
    BoardRenderer renderer;
};

}  // namespace gyrock::render::testing
