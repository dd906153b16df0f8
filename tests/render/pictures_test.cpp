// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

#include "render_fixture.h"

namespace gyrock::render::testing {
namespace {

struct Mean {
    double r = 0, g = 0, b = 0;
};

Mean mean(const QImage& image, QRect area) {
    Mean m;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            m.r += qRed(p);
            m.g += qGreen(p);
            m.b += qBlue(p);
        }
    }
    const double n = double(area.width()) * area.height();
    return {m.r / n, m.g / n, m.b / n};
}

double grey(Mean m) { return (m.r + m.g + m.b) / 3; }

// A flat picture is what the loader puts in place of a missing or wrong one.
bool flat(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
        }
    }
    return true;
}

std::vector<const QImage*> all(const Pictures& p) {
    std::vector<const QImage*> images{&p.background, &p.backdrop, &p.clearMark};
    for (const QImage& t : p.tiles) images.push_back(&t);
    return images;
}

TEST(Pictures, AllShippedLoadAtTheirSizesAndNoneIsAStandIn) {
    const Pictures& p = pictures();
    EXPECT_EQ(p.background.size(), QSize(622, 485));
    EXPECT_EQ(p.backdrop.size(), QSize(224, 384));
    EXPECT_EQ(p.clearMark.size(), QSize(16, 16));
    for (const QImage& t : p.tiles) EXPECT_EQ(t.size(), QSize(16, 16));
    for (const QImage* image : all(p)) EXPECT_FALSE(flat(*image));
}

// A picture of the wrong size, or none at all, gives a flat one of the right
// size in its base colour; the others load as they are.
TEST(Pictures, AWrongSizedOrMissingFileGivesAFlatPictureOfTheRightSize) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + "/";
    const QStringList names = {"background.png", "backdrop.png", "clear_mark.png", "tile0.png", "tile1.png",
                               "tile2.png", "tile4.png", "tile5.png", "tile6.png", "tile7.png", "tile8.png",
                               "tile9.png"};
    for (const QString& name : names) ASSERT_TRUE(QFile::copy(":/pictures/" + name, folder + name)) << name.toStdString();
    QImage wrong(17, 16, QImage::Format_RGB32);  // tile3 one pixel too wide
    wrong.fill(Qt::white);
    ASSERT_TRUE(wrong.save(folder + "tile3.png"));
    ASSERT_TRUE(QFile::remove(folder + "clear_mark.png"));

    const Pictures p = Pictures::load(folder);
    EXPECT_EQ(p.tiles[3].size(), QSize(16, 16));
    EXPECT_TRUE(flat(p.tiles[3]));
    EXPECT_EQ(QColor(p.tiles[3].pixel(0, 0)), QColor(199, 183, 0));
    EXPECT_EQ(p.clearMark.size(), QSize(16, 16));
    EXPECT_TRUE(flat(p.clearMark));
    for (int i : {0, 1, 2, 4, 9}) EXPECT_FALSE(flat(p.tiles[i])) << i;
    EXPECT_FALSE(flat(p.background));
}

TEST(Pictures, TilesAreMottledAroundTheirColourWithLighterTopAndRightEdges) {
    const int base[10][3] = {{109, 70, 32}, {1, 111, 111}, {255, 4, 4},  {199, 183, 0},
                             {1, 133, 1},   {134, 40, 132}, {79, 66, 142}, {154, 55, 1},
                             {143, 50, 55}, {51, 51, 51}};
    for (int i = 0; i < 10; ++i) {
        const QImage& t = pictures().tiles[i];
        const Mean body = mean(t, QRect(0, 1, 15, 15));
        EXPECT_NEAR(body.r, base[i][0], 16) << "tile " << i;
        EXPECT_NEAR(body.g, base[i][1], 16) << "tile " << i;
        EXPECT_NEAR(body.b, base[i][2], 16) << "tile " << i;
        EXPECT_GT(grey(mean(t, QRect(0, 0, 16, 1))), grey(body) + 10) << "tile " << i;
        EXPECT_GT(grey(mean(t, QRect(15, 1, 1, 15))), grey(body) + 6) << "tile " << i;
        // Mottled, not flat.
        int differing = 0;
        for (int x = 1; x < 15; ++x) differing += t.pixel(x, 8) != t.pixel(x - 1, 8);
        EXPECT_GT(differing, 8) << "tile " << i;
    }
}

TEST(Pictures, ClearMarkIsAGreyDiscDarkInTheMiddle) {
    const QImage& f = pictures().clearMark;
    EXPECT_NEAR(grey(mean(f, QRect(7, 7, 2, 2))), 55, 12);
    EXPECT_NEAR(qGray(f.pixel(0, 0)), 236, 6);
    EXPECT_NEAR(qGray(f.pixel(0, 8)), 230, 12);
    const QRgb p = f.pixel(3, 5);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qGreen(p), qBlue(p));
}

TEST(Pictures, BackdropIsTealBrightestInTheMiddleAndBlackAtTheSides) {
    const QImage& b = pictures().backdrop;
    const Mean left = mean(b, QRect(0, 0, 2, 384));
    const Mean right = mean(b, QRect(222, 0, 2, 384));
    const Mean middle = mean(b, QRect(110, 0, 4, 384));
    const Mean quarter = mean(b, QRect(56, 0, 4, 384));
    EXPECT_LT(grey(left), 4);
    EXPECT_LT(grey(right), 4);
    EXPECT_GT(grey(middle), grey(quarter) + 10);
    EXPECT_GT(middle.g, 2 * middle.r);
    EXPECT_GT(middle.b, 2 * middle.r);
    // Much the same all the way down.
    EXPECT_NEAR(grey(mean(b, QRect(110, 0, 4, 40))), grey(mean(b, QRect(110, 340, 4, 40))), 8);
}

TEST(Pictures, BackgroundIsDarkUnderTheBoardAndCarriesTheNameBelowThePanels) {
    const QImage& bg = pictures().background;
    EXPECT_LT(grey(mean(bg, QRect(128, 48, 224, 384))), 30);
    // The lettering: plenty of bright pixels in the free corner, none needed elsewhere.
    int bright = 0;
    for (int y = 360; y < 480; ++y)
        for (int x = 430; x < 620; ++x) bright += qGray(bg.pixel(x, y)) > 180;
    EXPECT_GT(bright, 400);
}

// How much neighbouring pixels differ, on average: the fine detail.
double detail(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x) sum += std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y)));
    return sum / (double(image.width() - 1) * image.height());
}

// Each detailed picture averaged back down to the normal size.
QImage halved(const QImage& image) {
    return image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TEST(Pictures, DetailedOnesLookTheSameWithFinerDetailThanAnEnlargement) {
    const Pictures& p = pictures();
    const DetailedPictures d = DetailedPictures::load(p);
    struct Pair {
        const char* name;
        const QImage& normal;
        const QImage& detailed;
        bool textured;  // smooth shading has no finer detail to show
    };
    std::vector<Pair> pairs = {{"background", p.background, d.background, true},
                               {"backdrop", p.backdrop, d.backdrop, false},
                               {"clear mark", p.clearMark, d.clearMark, false}};
    for (int i = 0; i < 10; ++i) pairs.push_back({"tile", p.tiles[i], d.tiles[i], true});
    for (const Pair& pair : pairs) {
        ASSERT_EQ(pair.detailed.size(), pair.normal.size() * 2) << pair.name;
        // The same picture: averaged down, close to the normal one everywhere.
        const QImage down = halved(pair.detailed);
        const Mean a = mean(down, down.rect()), b = mean(pair.normal, pair.normal.rect());
        EXPECT_NEAR(grey(a), grey(b), 4) << pair.name;
        EXPECT_NEAR(a.r - a.b, b.r - b.b, 4) << pair.name;
        // Not an enlargement: an enlarged picture has about half the
        // difference between neighbours that the picture itself has.
        const QImage enlarged = pair.normal.scaled(pair.detailed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (pair.textured) {
            EXPECT_GT(detail(pair.detailed), 1.15 * detail(enlarged)) << pair.name;
        }
    }
}

}  // namespace
}  // namespace gyrock::render::testing
