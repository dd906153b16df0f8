// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>
#include <vector>

#include "engine/pieces.h"
#include "render/preview.h"
#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

// Each tile's base colour: a stand-in for it is filled with it.
const QColor kBase[10] = {{109, 70, 32},  {1, 111, 111}, {255, 4, 4},  {199, 183, 0}, {1, 133, 1},
                          {134, 40, 132}, {79, 66, 142}, {154, 55, 1}, {143, 50, 55}, {51, 51, 51}};

// What the loader puts in place of a missing or wrong picture.
bool flat(const QImage& image) {
    QImage same(image.size(), image.format());
    same.fill(image.pixel(0, 0));
    return image == same;
}

QRgb averageColour(const QImage& image) {
    return image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
}

// Each tile is mottled around its own colour, with its top row and its
// right column lighter than the rest.
TEST(Pictures, TilesAreMottledAroundTheirColourWithLighterTopAndRightEdges) {
    for (int i = 0; i < 10; ++i) {
        const QImage& tile = pictures().tiles[i];
        const QRgb mean = averageColour(tile.copy(0, 1, 15, 15));
        EXPECT_NEAR(qRed(mean), kBase[i].red(), 16) << i;
        EXPECT_NEAR(qGreen(mean), kBase[i].green(), 16) << i;
        EXPECT_NEAR(qBlue(mean), kBase[i].blue(), 16) << i;
        EXPECT_GT(qGray(averageColour(tile.copy(0, 0, 16, 1))), qGray(mean) + 10) << i;
        EXPECT_GT(qGray(averageColour(tile.copy(15, 1, 1, 15))), qGray(mean) + 6) << i;
        int changes = 0;  // along a row: mottled, not shaded
        for (int x = 1; x < 15; ++x) changes += tile.pixel(x, 8) != tile.pixel(x - 1, 8);
        EXPECT_GT(changes, 8) << i;
    }
}

// Every shipped picture, normal and detailed, is its own: not flat, not an
// enlargement, and the detailed one has the normal one's colours.
TEST(Pictures, NoneShippedIsAStandIn) {
    const Pictures& p = pictures();
    const DetailedPictures d = DetailedPictures::load(p);
    std::vector<std::pair<const QImage*, const QImage*>> pairs = {
        {&p.background, &d.background}, {&p.backdrop, &d.backdrop}, {&p.clearMark, &d.clearMark}};
    for (std::size_t i = 0; i < p.tiles.size(); ++i) pairs.emplace_back(&p.tiles[i], &d.tiles[i]);
    for (const auto& [normal, detailed] : pairs) {
        SCOPED_TRACE(normal->width());
        EXPECT_FALSE(flat(*normal));
        EXPECT_FALSE(flat(*detailed));
        // Not what stands in for a missing detailed picture.
        EXPECT_FALSE(*detailed == normal->scaled(normal->size() * 2, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation));
        const QRgb a = averageColour(*normal), b = averageColour(*detailed);
        EXPECT_NEAR(qRed(a), qRed(b), 4);
        EXPECT_NEAR(qGreen(a), qGreen(b), 4);
        EXPECT_NEAR(qBlue(a), qBlue(b), 4);
    }
}

// A picture of the wrong size, or none at all, gives a flat one of the right
// size in its base colour.
TEST(Pictures, AWrongSizedOrMissingFileGivesAFlatPictureOfTheRightSize) {
    QTemporaryDir dir;
    QImage wrong(17, 16, QImage::Format_RGB32);  // one pixel too wide
    wrong.fill(Qt::white);
    ASSERT_TRUE(wrong.save(dir.path() + "/tile3.png"));
    const Pictures p = Pictures::load(dir.path() + "/");
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(p.tiles[i].size(), QSize(16, 16)) << i;
        EXPECT_TRUE(flat(p.tiles[i])) << i;
        EXPECT_EQ(QColor(p.tiles[i].pixel(0, 0)), kBase[i]) << i;
    }
    EXPECT_EQ(p.clearMark.size(), QSize(16, 16));
    EXPECT_TRUE(flat(p.clearMark));
}

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
    QImage expected(64, 64, QImage::Format_RGB32);
    expected.fill(Qt::black);
    for (int row = 0; row < 4; ++row)
        QPainter(&expected).drawImage(16, row * 16, pictures().tiles[2]);
    EXPECT_TRUE(composePreview(makeShape(2), pictures()) == expected);
}

}  // namespace
}  // namespace gyrock::render::testing
