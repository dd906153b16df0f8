// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/board_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "render/bitmapfx.h"
#include "render/tile_copy.h"

namespace gyrock::render {
namespace {

constexpr int kTile = kTileSize;
constexpr int kFirstColumn = kLeftWall, kLastColumn = kRightWall;
constexpr int kLastRow = kFloorRow, kFirstRow = kLastRow - BoardRenderer::kRows + 1;
constexpr int kMonochromeTile = 0;
constexpr int kSquare = BoardRenderer::kSquareSide;
constexpr double kWindowCentre = kSquare / 2.0;
constexpr QSize kBackground(622, 485);

// The tile a board cell is drawn with, or -1 for none (empty, or a value no
// tile belongs to).
int boardTile(int c, bool monochrome) {
    if (c == 0) return -1;
    if (monochrome) return c == kWall ? kWall : kMonochromeTile;
    return hasTile(c) ? c : -1;
}

int cellIndex(int column, int row) {
    return (row - kFirstRow) * BoardRenderer::kColumns + (column - kFirstColumn);
}

bool drawn(int column, int row) {
    return column >= kFirstColumn && column <= kLastColumn && row >= kFirstRow && row <= kLastRow;
}

int device(double logical, qreal ratio) { return static_cast<int>(std::lround(logical * ratio)); }

// A picture at the size a density wants: the normal one at 1, the detailed
// one at 2, and in between (or beyond) the detailed one resampled once.
QImage atSize(const QImage& normal, const QImage& detailed, QSize size) {
    if (normal.size() == size) return prepared(normal, size);
    if (detailed.size() == size) return prepared(detailed, size);
    const QImage& best = size.width() > normal.width() && !detailed.isNull() ? detailed : normal;
    return prepared(best.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), size);
}

}  // namespace

BoardRenderer::Cells frameCells(const Game& game, bool monochrome) {
    BoardRenderer::Cells cells;
    cells.fill(-1);
    // The falling piece first: locked cells drawn after it cover it.
    const int n = std::clamp(game.piece.n, 0, 4);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const int v = game.piece(i, j);
            const int column = game.piecex + i, row = game.piecey + j;
            // The falling piece keeps its colour, also on a monochrome board.
            if (hasTile(v) && drawn(column, row)) cells[cellIndex(column, row)] = static_cast<std::int8_t>(v);
        }
    }
    for (int y = kFirstRow; y <= kLastRow; ++y) {
        for (int x = kFirstColumn; x <= kLastColumn; ++x) {
            const int t = boardTile(game.board(x, y), monochrome);
            if (t >= 0) cells[cellIndex(x, y)] = static_cast<std::int8_t>(t);
        }
    }
    return cells;
}

BoardRenderer::BoardRenderer(const Pictures& pictures) : pictures_(pictures) {
    cells_.fill(-1);
    setDevicePixelRatio(1);
}

BoardRenderer::Scaled BoardRenderer::scaledPictures(qreal ratio) {
    Scaled s;
    s.cell = std::max(1, device(kTile, ratio));
    const QSize cell(s.cell, s.cell);
    const Pictures& p = pictures_;
    // At normal density the detailed pictures are not even loaded.
    static const DetailedPictures none;
    if (s.cell != kTile && !detailed_) detailed_ = DetailedPictures::load(p);
    const DetailedPictures& d = detailed_ ? *detailed_ : none;
    s.background = atSize(p.background, d.background,
                          QSize(device(kBackground.width(), ratio), device(kBackground.height(), ratio)));
    s.background.setDevicePixelRatio(ratio);
    s.backdrop = atSize(p.backdrop, d.backdrop, QSize(kColumns * s.cell, kRows * s.cell));
    for (std::size_t i = 0; i < s.tiles.size(); ++i) s.tiles[i] = atSize(p.tiles[i], d.tiles[i], cell);
    s.clearMark = atSize(p.clearMark, d.clearMark, cell);
    return s;
}

void BoardRenderer::drawCell(QImage& framed, const Scaled& scaled, int index, int tile) {
    const int c = scaled.cell;
    const int x = (index % kColumns) * c, y = (index / kColumns) * c;
    if (tile < 0) {
        copyArea(framed, scaled.backdrop, QRect(x, y, c, c), QPoint(x + 1, y + 1));
    } else {
        copyTile(framed, scaled.tiles[tile], x + 1, y + 1);
    }
}

void BoardRenderer::drawMark(QImage& framed, const Scaled& scaled, int index) {
    const int c = scaled.cell;
    bitmapfx::alphaMask(framed, (index % kColumns) * c + 1, (index / kColumns) * c + 1, c, c, scaled.clearMark,
                        scaled.clearMark);
}

QImage BoardRenderer::composeAll() const {
    QImage framed = bitmapfx::framedPicture(QSize(kColumns, kRows) * scaled_.cell);
    for (int i = 0; i < kColumns * kRows; ++i) drawCell(framed, scaled_, i, cells_[i]);
    for (int i : marks_) drawMark(framed, scaled_, i);
    return framed;
}

void BoardRenderer::composeBoard(const Game& game, bool monochrome) {
    const Cells next = frameCells(game, monochrome);
    const int c = scaled_.cell;
    for (int i = 0; i < kColumns * kRows; ++i) {
        if (next[i] == cells_[i] && !marked_[i]) continue;
        drawCell(bbuffer_, scaled_, i, next[i]);
        changed_ |= QRect((i % kColumns) * c, (i / kColumns) * c, c, c);
    }
    cells_ = next;
    marked_.fill(false);
    marks_.clear();
}

void BoardRenderer::markCell(int column, int row) {
    // A cell above the drawn rows (or beside them) has nothing to mark.
    if (!drawn(column, row)) return;
    const int i = cellIndex(column, row);
    drawMark(bbuffer_, scaled_, i);
    marked_[i] = true;
    marks_.push_back(i);
    const int c = scaled_.cell;
    changed_ |= QRect((i % kColumns) * c, (i / kColumns) * c, c, c);
}

void BoardRenderer::putOnWindow(QImage& layer, std::int32_t angle, bool antialias) const {
    layer.fill(Qt::transparent);
    const qreal r = layer.devicePixelRatio();
    const bitmapfx::Turn turn{QPointF(kWindowCentre * r, kWindowCentre * r), static_cast<double>(angle),
                              r * kTile / scaled_.cell, antialias};
    bitmapfx::turnInto(layer, layer.rect(), bbuffer_, turn);
}

QImage BoardRenderer::bbuffer() const {
    return bbuffer_.copy(QRect(QPoint(1, 1), pictureSize())).convertToFormat(QImage::Format_RGB32);
}

void BoardRenderer::setDevicePixelRatio(qreal ratio) {
    if (!(ratio > 0)) ratio = 1;
    if (ratio == ratio_) return;
    ratio_ = ratio;
    scaled_ = scaledPictures(ratio);
    bbuffer_ = composeAll();
    changed_ = {};
    const int side = device(kSquare, ratio);
    square_ = QImage(side, side, QImage::Format_RGB32);
    square_.setDevicePixelRatio(ratio);
    drawSquare(square_, bbuffer_, square_.rect());
}

bitmapfx::Turn BoardRenderer::turn() const {
    return {QPointF(kWindowCentre * ratio_, kWindowCentre * ratio_), double(angle_), ratio_ * kTile / scaled_.cell,
            antialias_};
}

QSize BoardRenderer::pictureSize() const { return bbuffer_.size() - QSize(2, 2); }

QRect BoardRenderer::boardArea() const {
    return bitmapfx::turnedArea(QRectF(QPointF(0, 0), pictureSize()), pictureSize(), turn());
}

void BoardRenderer::drawSquare(QImage& square, const QImage& framed, QRect deviceClip,
                               const bitmapfx::Turn* before) const {
    deviceClip = deviceClip.intersected(square.rect()).intersected(scaled_.background.rect());
    if (deviceClip.isEmpty()) return;
    // The background goes back only where the new board does not reach: where
    // it does, the turn draws over the background itself, each pixel once.
    thread_local std::vector<std::pair<int, int>> reach, was;
    if (shown_) {
        bitmapfx::turnedSpans(pictureSize(), turn(), deviceClip, reach);
    } else {
        reach.assign(static_cast<std::size_t>(deviceClip.height()), {deviceClip.left(), deviceClip.left()});
    }
    if (before != nullptr) {
        // Outside the board as it was, the square shows the background already.
        bitmapfx::turnedSpans(pictureSize(), *before, deviceClip, was);
    } else {
        was.assign(static_cast<std::size_t>(deviceClip.height()), {deviceClip.left(), deviceClip.right() + 1});
    }
    // deviceClip lies within both pictures, so rows are addressed directly.
    uchar* const squareBits = square.bits();
    const uchar* const backgroundBits = scaled_.background.constBits();
    const qsizetype squareLine = square.bytesPerLine(), backgroundLine = scaled_.background.bytesPerLine();
    auto restore = [&](int y, int from, int to) {
        if (from >= to) return;
        std::memcpy(squareBits + y * squareLine + from * 4, backgroundBits + y * backgroundLine + from * 4,
                    static_cast<std::size_t>(to - from) * 4);
    };
    for (int y = deviceClip.top(); y <= deviceClip.bottom(); ++y) {
        const auto& [o0, o1] = was[static_cast<std::size_t>(y - deviceClip.top())];
        const auto& [n0, n1] = reach[static_cast<std::size_t>(y - deviceClip.top())];
        if (n0 >= n1) {
            restore(y, o0, o1);
            continue;
        }
        restore(y, o0, std::min(o1, n0));
        restore(y, std::max(o0, n1), o1);
    }
    if (!shown_) return;
    bitmapfx::turnInto(square, deviceClip, framed, turn(), &scaled_.background, &reach);
}

QRect BoardRenderer::repaint(QRect deviceArea, std::optional<bitmapfx::Turn> before) {
    if (deviceArea.isEmpty()) return {};
    // The window repaints logical pixels; at a fractional density they are
    // widened to a step whose device edges are whole, so both sides agree on
    // exactly which device pixels are meant.
    const int step = ratio_ == std::floor(ratio_) ? 1 : 4;
    auto down = [&](double v) { return static_cast<int>(std::floor(v / ratio_ / step)) * step; };
    auto up = [&](double v) { return static_cast<int>(std::ceil(v / ratio_ / step)) * step; };
    const QRect logical = QRect(QPoint(down(deviceArea.left()), down(deviceArea.top())),
                                QPoint(up(deviceArea.right() + 1) - 1, up(deviceArea.bottom() + 1) - 1))
                              .intersected(squareArea());
    if (logical.isEmpty()) return {};
    const QRect exact(QPoint(device(logical.left(), ratio_), device(logical.top(), ratio_)),
                      QPoint(device(logical.right() + 1, ratio_) - 1, device(logical.bottom() + 1, ratio_) - 1));
    // A device pixel to spare on each side: wherever the window's own
    // rounding of the logical rectangle lands, the square there is up to date.
    drawSquare(square_, bbuffer_, exact.adjusted(-1, -1, 1, 1), before ? &*before : nullptr);
    return logical;
}

QRect BoardRenderer::showBoard(std::int32_t angle, bool antialias) {
    const auto a = static_cast<std::int32_t>(bitmapfx::normalisedDegrees(angle));
    std::optional<bitmapfx::Turn> before;
    if (shown_) before = turn();
    QRect area;
    if (!shown_ || a != angle_ || antialias != antialias_) {
        if (shown_) area = boardArea();
        shown_ = true;
        angle_ = a;
        antialias_ = antialias;
        area |= boardArea();
    } else if (!changed_.isEmpty()) {
        // Resting angle: only the cells that changed, turned.
        area = bitmapfx::turnedArea(QRectF(changed_), pictureSize(), turn());
    }
    changed_ = {};
    return repaint(area, before);
}

QRect BoardRenderer::clearBoard() {
    if (!shown_) return {};
    const QRect area = boardArea();
    const bitmapfx::Turn before = turn();
    shown_ = false;
    changed_ = {};
    return repaint(area, before);
}

QImage BoardRenderer::fullRedraw() const {
    QImage square(square_.size(), QImage::Format_RGB32);
    square.setDevicePixelRatio(ratio_);
    drawSquare(square, composeAll(), square.rect());
    return square;
}

}  // namespace gyrock::render
