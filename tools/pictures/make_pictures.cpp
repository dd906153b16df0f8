// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Draws every picture of the main window into a folder (normally assets/):
// background.png, backdrop.png, tile0.png .. tile9.png and clear_mark.png,
// and each again with twice the detail as NAME@2x.png.
// Usage: make_pictures OUTPUT_DIR

#include <QGuiApplication>
#include <QString>
#include <array>
#include <cstdio>

#include "pictures.h"

namespace {

// The base colour of each tile; tile 0 is the monochrome board, 9 the walls.
constexpr std::array<QRgb, 10> kTileColours = {
    qRgb(109, 70, 32),  qRgb(1, 111, 111), qRgb(255, 4, 4),  qRgb(199, 183, 0), qRgb(1, 133, 1),
    qRgb(134, 40, 132), qRgb(79, 66, 142), qRgb(154, 55, 1), qRgb(143, 50, 55), qRgb(51, 51, 51),
};

bool save(const QImage& image, const QString& dir, const QString& name) {
    const QString path = dir + "/" + name;
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    // Normal density, then twice the detail for high-density screens.
    for (int detail : {1, 2}) {
        const QString suffix = detail == 1 ? ".png" : "@2x.png";
        ok = save(pictures::drawBackground(detail), dir, "background" + suffix) && ok;
        ok = save(pictures::drawBackdrop(detail), dir, "backdrop" + suffix) && ok;
        for (int i = 0; i < 10; ++i) {
            ok = save(pictures::drawTile(QColor(kTileColours[i]), i, detail), dir,
                      QString("tile%1").arg(i) + suffix) &&
                 ok;
        }
        ok = save(pictures::drawClearMark(detail), dir, "clear_mark" + suffix) && ok;
    }
    return ok ? 0 : 1;
}
