// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "engine/pieces.h"

#include <array>
#include <utility>

#include "engine/game.h"

namespace gyrock {
namespace {

struct Shape {
    int n;
    std::uint8_t colour;
    std::array<std::pair<int, int>, 4> cells;  // (column, row)
};

// L, S, I, O, J, Z, T: the colour is also the tile a locked cell is drawn with.
constexpr std::array<Shape, kShapeCount> kShapes{{
    {3, 1, {{{1, 0}, {1, 1}, {1, 2}, {2, 2}}}},
    {3, 4, {{{0, 0}, {0, 1}, {1, 1}, {1, 2}}}},
    {4, 2, {{{1, 0}, {1, 1}, {1, 2}, {1, 3}}}},
    {2, 3, {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}},
    {3, 5, {{{1, 0}, {1, 1}, {1, 2}, {0, 2}}}},
    {3, 6, {{{1, 0}, {0, 1}, {1, 1}, {0, 2}}}},
    {3, 7, {{{0, 1}, {1, 1}, {2, 1}, {1, 2}}}},
}};

}  // namespace

PieceMatrix makeShape(int k) {
    const Shape& shape = kShapes.at(k);
    PieceMatrix m;
    m.n = shape.n;
    for (auto [i, j] : shape.cells) m(i, j) = shape.colour;
    return m;
}

PieceMatrix turned(const PieceMatrix& m) {
    PieceMatrix t;
    t.n = m.n;
    for (int i = 0; i < m.n; ++i) {
        for (int j = 0; j < m.n; ++j) t(i, j) = m(j, m.n - 1 - i);
    }
    return t;
}

void Game::firstPiece() {
    piece = makeShape(random.draw(host_.tickCount(), kShapeCount));
    piecex = kStartX;
    piecey = kStartY;
}

void Game::nextPiece() {
    nextpiece = makeShape(random.draw(host_.tickCount(), kShapeCount));
    piecex = kStartX;
    piecey = kStartY;
    host_.drawPreview();
}

void Game::rotatePiece() {
    // No wall kicks: a turn that collides is simply refused.
    PieceMatrix t = turned(piece);
    if (fits(board, t, piecex, piecey)) piece = t;
}

}  // namespace gyrock
