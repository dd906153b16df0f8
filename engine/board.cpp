// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "engine/board.h"

namespace gyrock {

bool fits(const Board& board, const PieceMatrix& m, int x, int y) {
    for (int i = 0; i < m.n; ++i) {
        for (int j = 0; j < m.n; ++j) {
            if (m(i, j) != 0 && board(x + i, y + j) != kEmpty) return false;
        }
    }
    return true;
}

}  // namespace gyrock
