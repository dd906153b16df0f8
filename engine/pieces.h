// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The seven shapes and the quarter turn.

#include "board.h"

namespace gyrock {

inline constexpr int kShapeCount = 7;
inline constexpr int kStartX = 9;
inline constexpr int kStartY = 4;

// Shape k (0..6) into a fresh matrix.
PieceMatrix makeShape(int k);
// Turned a quarter clockwise about the matrix: T(i, j) = M(j, n - 1 - i).
PieceMatrix turned(const PieceMatrix& m);

}  // namespace gyrock
