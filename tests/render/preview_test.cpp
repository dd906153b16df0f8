// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include "engine/pieces.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

TEST(Preview, SitsCentredInTheFrameBoxForEachSide) {
    EXPECT_EQ(previewGeometry(2), QRect(6, 6, 12, 12));
    EXPECT_EQ(previewGeometry(3), QRect(3, 3, 18, 18));
    EXPECT_EQ(previewGeometry(4), QRect(0, 0, 24, 24));
    // Sides that never occur still give a picture inside the box.
    for (int side : {0, 9})
        EXPECT_TRUE(QRect(0, 0, 24, 24).contains(previewGeometry(side))) << side;
}

// The long piece stands in the second column of its 4 x 4 matrix.
TEST(Preview, FullSizePictureHasTheTilesOnBlack) {
    const QImage i = composePreview(makeShape(2), pictures());
    ASSERT_EQ(i.size(), QSize(64, 64));
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(i.copy(16, row * 16, 16, 16) == pictures().tiles[2]) << row;
        EXPECT_EQ(i.pixel(5, row * 16 + 5), qRgb(0, 0, 0)) << row;
        EXPECT_EQ(i.pixel(40, row * 16 + 5), qRgb(0, 0, 0)) << row;
    }
}

}  // namespace
}  // namespace gyrock::render::testing
