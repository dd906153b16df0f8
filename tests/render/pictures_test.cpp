// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <vector>

#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

// What the loader puts in place of a missing or wrong picture.
bool flat(const QImage& image) {
    QImage same(image.size(), image.format());
    same.fill(image.pixel(0, 0));
    return image == same;
}

// What stands in for a missing detailed picture.
QImage enlarged(const QImage& normal) {
    return normal.scaled(normal.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QRgb averageColour(const QImage& image) {
    return image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
}

// Each tile is mottled around its own colour, with its top row and its
// right column lighter than the rest.
TEST(Pictures, TilesAreMottledAroundTheirColourWithLighterTopAndRightEdges) {
    const QColor base[10] = {{109, 70, 32}, {1, 111, 111},  {255, 4, 4},   {199, 183, 0},
                             {1, 133, 1},   {134, 40, 132}, {79, 66, 142}, {154, 55, 1},
                             {143, 50, 55}, {51, 51, 51}};
    for (int i = 0; i < 10; ++i) {
        const QImage& tile = pictures().tiles[i];
        const QImage body = tile.copy(0, 1, 15, 15);
        const QRgb mean = averageColour(body);
        EXPECT_NEAR(qRed(mean), base[i].red(), 16) << i;
        EXPECT_NEAR(qGreen(mean), base[i].green(), 16) << i;
        EXPECT_NEAR(qBlue(mean), base[i].blue(), 16) << i;
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
        EXPECT_FALSE(*detailed == enlarged(*normal));
        const QRgb a = averageColour(*normal), b = averageColour(*detailed);
        EXPECT_NEAR(qRed(a), qRed(b), 4);
        EXPECT_NEAR(qGreen(a), qGreen(b), 4);
        EXPECT_NEAR(qBlue(a), qBlue(b), 4);
    }
}

// A picture of the wrong size, or none at all, gives a flat one of the right
// size in its base colour; the others load as they are.
TEST(Pictures, AWrongSizedOrMissingFileGivesAFlatPictureOfTheRightSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + "/";
    for (const QString& name : QDir(":/pictures").entryList()) {
        ASSERT_TRUE(QFile::copy(":/pictures/" + name, folder + name)) << name.toStdString();
    }
    QImage wrong(17, 16, QImage::Format_RGB32);  // one pixel too wide
    wrong.fill(Qt::white);
    ASSERT_TRUE(wrong.save(folder + "tile3.png"));
    ASSERT_TRUE(QFile::remove(folder + "clear_mark.png"));

    const Pictures p = Pictures::load(folder);
    for (const QImage* standIn : {&p.tiles[3], &p.clearMark}) {
        EXPECT_EQ(standIn->size(), QSize(16, 16));
        EXPECT_TRUE(flat(*standIn));
    }
    EXPECT_EQ(QColor(p.tiles[3].pixel(0, 0)), QColor(199, 183, 0));
    for (int i = 0; i < 10; ++i) EXPECT_EQ(flat(p.tiles[i]), i == 3) << i;
    EXPECT_FALSE(flat(p.background));
}

}  // namespace
}  // namespace gyrock::render::testing
