// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include <QString>

#include "render/board_renderer.h"

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
    if (image.size() != size) return normal.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB32);
}

QString detailedName(const QString& name) { return QString(name).replace(".png", "@2x.png"); }

}  // namespace

Pictures Pictures::load(const QString& folder) {
    registerPictureResources();
    Pictures p;
    p.background = loadPicture(folder + "background.png", QSize(622, 485), Qt::black);
    p.backdrop = loadPicture(folder + "backdrop.png", QSize(224, 384), QColor(0, 40, 44));
    const QColor flat[10] = {{109, 70, 32}, {1, 111, 111}, {255, 4, 4},  {199, 183, 0},
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
    for (int i = 0; i < 10; ++i) d.tiles[i] = loadDetailed(detailedName(QString("tile%1.png").arg(i)), normal.tiles[i]);
    d.clearMark = loadDetailed(detailedName("clear_mark.png"), normal.clearMark);
    return d;
}

}  // namespace gyrock::render
