// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/upright_picture.h"

#include <algorithm>

#include "render/pixels/blend.h"
#include "render/pixels/turn.h"
#include "render/tile_copy.h"

namespace gyrock::render {
namespace {

constexpr int kColumns = UprightPicture::kColumns;
constexpr int kFirstColumn = kLeftWall, kLastColumn = kRightWall;
constexpr int kLastRow = kFloorRow, kFirstRow = kLastRow - UprightPicture::kRows + 1;
constexpr std::int8_t kMonochromeTile = 0;

// The tile a board cell is drawn with, or the backdrop (empty, or a value no
// tile belongs to).
std::int8_t boardTile(std::int8_t c, bool monochrome) {
    if (c == 0) return UprightPicture::kBackdrop;
    if (monochrome) return c == kWall ? kWall : kMonochromeTile;
    return hasTile(c) ? c : UprightPicture::kBackdrop;
}

int cellIndex(int column, int row) {
    return (row - kFirstRow) * kColumns + (column - kFirstColumn);
}

bool drawn(int column, int row) {
    return column >= kFirstColumn && column <= kLastColumn && row >= kFirstRow && row <= kLastRow;
}

}  // namespace

UprightPicture::Cells frameCells(const Game& game, bool monochrome) {
    UprightPicture::Cells cells;
    cells.fill(UprightPicture::kBackdrop);
    // The falling piece first: locked cells drawn after it cover it.
    const int n = std::clamp(game.piece.n, 0, static_cast<int>(game.piece.cells.size()));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const int v = game.piece(i, j);
            const int column = game.piecex + i, row = game.piecey + j;
            // The falling piece keeps its colour, also on a monochrome board.
            if (hasTile(v) && drawn(column, row)) {
                cells[cellIndex(column, row)] = static_cast<std::int8_t>(v);
            }
        }
    }
    for (int y = kFirstRow; y <= kLastRow; ++y) {
        for (int x = kFirstColumn; x <= kLastColumn; ++x) {
            const std::int8_t tile = boardTile(game.board(x, y), monochrome);
            if (tile != UprightPicture::kBackdrop) cells[cellIndex(x, y)] = tile;
        }
    }
    return cells;
}

UprightPicture::UprightPicture() { cells_.fill(kBackdrop); }

void UprightPicture::setPictures(const ScaledPictures& pictures) {
    pictures_ = pictures;
    framed_ = composedAfresh();
    // Damage in pixels of the old size means nothing now: whoever shows the
    // picture shows it whole.
    damage_.clear();
}

QRect UprightPicture::cellArea(int index) const {
    const int c = pictures_.cell;
    return QRect((index % kColumns) * c, (index / kColumns) * c, c, c);
}

// The framed picture's pixels sit one right and one down of the picture's.
void UprightPicture::drawCell(QImage& framed, int index, int tile) const {
    const QRect area = cellArea(index);
    const QPoint to = area.topLeft() + QPoint(1, 1);
    if (tile == kBackdrop) {
        copyArea(framed, pictures_.backdrop, area, to);
    } else {
        const QImage& picture = pictures_.tiles[static_cast<std::size_t>(tile)];
        copyArea(framed, picture, picture.rect(), to);
    }
}

void UprightPicture::drawMark(QImage& framed, int index) const {
    pixels::blendByMask(framed, cellArea(index).topLeft() + QPoint(1, 1), pictures_.clearMark,
                        pictures_.clearMark);
}

QImage UprightPicture::composedAfresh() const {
    QImage framed = pixels::framedPicture(QSize(kColumns, kRows) * pictures_.cell);
    for (int i = 0; i < kColumns * kRows; ++i) drawCell(framed, i, cells_[i]);
    for (int i : marks_) drawMark(framed, i);
    return framed;
}

void UprightPicture::compose(const Cells& cells) {
    for (int i = 0; i < kColumns * kRows; ++i) {
        if (cells[i] == cells_[i] && !marked_[i]) continue;
        drawCell(framed_, i, cells[i]);
        damage_.add(cellArea(i));
    }
    cells_ = cells;
    marked_.fill(false);
    marks_.clear();
}

void UprightPicture::mark(int column, int row) {
    if (!drawn(column, row)) return;
    const int i = cellIndex(column, row);
    drawMark(framed_, i);
    marked_[i] = true;
    marks_.push_back(i);
    damage_.add(cellArea(i));
}

}  // namespace gyrock::render
