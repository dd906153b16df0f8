// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// Draws the desktop icon at every size the hicolor theme asks for:
// a small well, tilted, with a few locked pieces and one falling.
// Usage: make_icon OUTPUT_DIR  (writes gyrock-<size>.png)

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>

namespace {

struct Cell {
    int x, y;
    QColor colour;
};

void drawCell(QPainter& p, QRectF r, QColor c) {
    p.fillRect(r, c);
    const qreal edge = r.width() * 0.16;
    p.fillRect(QRectF(r.left(), r.top(), r.width(), edge), c.lighter(150));
    p.fillRect(QRectF(r.right() - edge, r.top(), edge, r.height()), c.lighter(130));
    p.fillRect(QRectF(r.left(), r.bottom() - edge, r.width(), edge), c.darker(140));
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    QLinearGradient sky(0, 8, 0, 248);
    sky.setColorAt(0, QColor(18, 40, 58));
    sky.setColorAt(1, QColor(4, 8, 14));
    p.fillPath(tile, sky);
    p.setClipPath(tile);

    // The well, turned the way the board swings in play.
    p.translate(128, 122);
    p.rotate(-18);
    const qreal cell = 19;
    const int columns = 6, rows = 7;
    const QRectF well(-columns * cell / 2, -rows * cell / 2, columns * cell, rows * cell);
    QLinearGradient teal(well.left(), 0, well.right(), 0);
    teal.setColorAt(0, QColor(0, 10, 12));
    teal.setColorAt(0.5, QColor(0, 92, 96));
    teal.setColorAt(1, QColor(0, 10, 12));
    p.fillRect(well, teal);

    const QColor wall(70, 70, 74);
    for (int y = -1; y <= rows; ++y) {
        drawCell(p, QRectF(well.left() - cell, well.top() + y * cell, cell, cell), wall);
        drawCell(p, QRectF(well.right(), well.top() + y * cell, cell, cell), wall);
    }
    for (int x = 0; x < columns; ++x) {
        drawCell(p, QRectF(well.left() + x * cell, well.bottom(), cell, cell), wall);
    }

    const QColor teal1(1, 150, 150), red(230, 30, 30), yellow(220, 200, 20), green(20, 160, 40),
        purple(150, 60, 150), orange(200, 90, 10);
    const Cell cells[] = {
        {0, 6, teal1},  {1, 6, teal1}, {2, 6, yellow}, {3, 6, yellow}, {4, 6, green},
        {5, 6, purple}, {0, 5, teal1}, {2, 5, yellow}, {3, 5, yellow}, {4, 5, green},
        {5, 5, purple}, {4, 4, green}, {5, 4, purple}, {0, 4, orange}, {1, 4, orange},
        {1, 1, red},    {2, 1, red},   {3, 1, red},    {2, 2, red},
    };
    for (const Cell& c : cells) {
        drawCell(p, QRectF(well.left() + c.x * cell, well.top() + c.y * cell, cell, cell),
                 c.colour);
    }
    p.end();
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_DIR\n");
        return 2;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QString("%1/gyrock-%2.png").arg(argv[1]).arg(size);
        if (!drawIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
