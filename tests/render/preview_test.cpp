// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include "engine/pieces.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

constexpr int kI = 2, kO = 3, kL = 0;

TEST(Preview, SitsCentredInTheFrameBoxForEachSide) {
    EXPECT_EQ(previewGeometry(2), QRect(6, 6, 12, 12));
    EXPECT_EQ(previewGeometry(3), QRect(3, 3, 18, 18));
    EXPECT_EQ(previewGeometry(4), QRect(0, 0, 24, 24));
    // Sides that never occur still give a picture inside the box.
    EXPECT_TRUE(QRect(0, 0, 24, 24).contains(previewGeometry(0)));
    EXPECT_TRUE(QRect(0, 0, 24, 24).contains(previewGeometry(9)));
}

TEST(Preview, FullSizePictureHasTheTilesOnBlack) {
    const Pictures& pics = pictures();
    const QImage o = composePreview(makeShape(kO), pics);
    ASSERT_EQ(o.size(), QSize(32, 32));
    EXPECT_EQ(o.pixel(0, 0), pics.tiles[3].pixel(0, 0));
    EXPECT_EQ(o.pixel(31, 31), pics.tiles[3].pixel(15, 15));

    const QImage i = composePreview(makeShape(kI), pics);
    ASSERT_EQ(i.size(), QSize(64, 64));
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(i.pixel(16 + 5, row * 16 + 5), pics.tiles[2].pixel(5, 5)) << row;
        EXPECT_EQ(i.pixel(5, row * 16 + 5), qRgb(0, 0, 0)) << row;
        EXPECT_EQ(i.pixel(40, row * 16 + 5), qRgb(0, 0, 0)) << row;
    }

    const QImage l = composePreview(makeShape(kL), pics);
    EXPECT_EQ(l.size(), QSize(48, 48));
}

}  // namespace
}  // namespace gyrock::render::testing
