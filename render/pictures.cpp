// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/pictures.h"

#include <QString>
#include <algorithm>

#include "render/tile_copy.h"

// Resources compiled into a static library are only registered when asked;
// the macro declares a global function, so it must be used outside our namespace.
static void registerPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace gyrock::render {
namespace {

// Everything the renderer copies is 32-bit opaque: tiles then go by plain
// row copies and the turned copy takes Qt's fastest path.
QImage loadPicture(const QString& path, QSize size, QColor fallback) {
    QImage image(path);
    if (image.size() != size) {
        // A missing or damaged picture must not take the game down: show a
        // flat picture of the right size instead.
        image = QImage(size, QImage::Format_RGB32);
        image.fill(fallback);
        return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

// The detailed picture, or, should it be missing, the normal one enlarged so
// that a high-density screen still gets a picture of the right size.
QImage loadDetailed(const QString& name, const QImage& normal) {
    const QSize size = normal.size() * 2;
    QImage image(":/pictures/" + name);
    if (image.size() != size)
        return normal.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

QString detailedName(const QString& name) { return QString(name).replace(".png", "@2x.png"); }

// A picture at the size a density wants: the normal one, the detailed one,
// or the better of them resampled once.
QImage atSize(const QImage& normal, const QImage& detailed, QSize size) {
    if (normal.size() == size) return prepared(normal, size);
    if (detailed.size() == size) return prepared(detailed, size);
    const QImage& best = size.width() > normal.width() && !detailed.isNull() ? detailed : normal;
    return prepared(best.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), size);
}

}  // namespace

Pictures Pictures::load(const QString& folder) {
    registerPictureResources();
    Pictures p;
    p.background = loadPicture(folder + "background.png", QSize(622, 485), Qt::black);
    p.backdrop = loadPicture(folder + "backdrop.png", QSize(224, 384), QColor(0, 40, 44));
    const QColor flat[10] = {{109, 70, 32}, {1, 111, 111},  {255, 4, 4},   {199, 183, 0},
                             {1, 133, 1},   {134, 40, 132}, {79, 66, 142}, {154, 55, 1},
                             {143, 50, 55}, {51, 51, 51}};
    for (int i = 0; i < 10; ++i) {
        p.tiles[i] = loadPicture(folder + QString("tile%1.png").arg(i), QSize(16, 16), flat[i]);
    }
    p.clearMark = loadPicture(folder + "clear_mark.png", QSize(16, 16), QColor(150, 150, 150));
    return p;
}

DetailedPictures DetailedPictures::load(const Pictures& normal) {
    registerPictureResources();
    DetailedPictures d;
    d.background = loadDetailed(detailedName("background.png"), normal.background);
    d.backdrop = loadDetailed(detailedName("backdrop.png"), normal.backdrop);
    for (int i = 0; i < 10; ++i)
        d.tiles[i] = loadDetailed(detailedName(QString("tile%1.png").arg(i)), normal.tiles[i]);
    d.clearMark = loadDetailed(detailedName("clear_mark.png"), normal.clearMark);
    return d;
}

ScaledPictures PictureScaler::at(qreal ratio) {
    ScaledPictures s;
    s.cell = std::max(1, devicePixels(kTileSize, ratio));
    // At normal density the detailed pictures are not even loaded.
    static const DetailedPictures none;
    if (s.cell != kTileSize && !detailed_) detailed_ = DetailedPictures::load(normal_);
    const DetailedPictures& d = detailed_ ? *detailed_ : none;
    const Pictures& p = normal_;
    const QSize background(devicePixels(p.background.width(), ratio),
                           devicePixels(p.background.height(), ratio));
    s.background = atSize(p.background, d.background, background);
    s.background.setDevicePixelRatio(ratio);
    s.backdrop = atSize(p.backdrop, d.backdrop, p.backdrop.size() / kTileSize * s.cell);
    for (std::size_t i = 0; i < s.tiles.size(); ++i) {
        s.tiles[i] = atSize(p.tiles[i], d.tiles[i], QSize(s.cell, s.cell));
    }
    s.clearMark = atSize(p.clearMark, d.clearMark, QSize(s.cell, s.cell));
    return s;
}

}  // namespace gyrock::render
