// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The board grid, piece matrices and the fit rule.

#include <array>
#include <cstdint>

namespace gyrock {

inline constexpr int kBoardColumns = 22;
inline constexpr int kBoardRows = 34;
inline constexpr int kWellLeft = 4;
inline constexpr int kWellRight = 15;
inline constexpr int kWellTop = 5;
inline constexpr int kWellBottom = 29;
inline constexpr int kLeftWall = 3;
inline constexpr int kRightWall = 16;
inline constexpr int kFloorRow = 30;
inline constexpr std::int8_t kEmpty = 0;
inline constexpr std::int8_t kWall = 9;

struct Board {
    // Addressed (column, row); rows grow downwards.
    std::array<std::array<std::int8_t, kBoardRows>, kBoardColumns> cells{};

    std::int8_t& operator()(int column, int row) { return cells.at(column).at(row); }
    std::int8_t operator()(int column, int row) const { return cells.at(column).at(row); }
    bool operator==(const Board&) const = default;
};

// A square piece matrix of side 2, 3 or 4, addressed (column, row).
struct PieceMatrix {
    int n = 0;
    std::array<std::array<std::uint8_t, 4>, 4> cells{};

    std::uint8_t& operator()(int i, int j) { return cells.at(i).at(j); }
    std::uint8_t operator()(int i, int j) const { return cells.at(i).at(j); }
    bool operator==(const PieceMatrix&) const = default;
};

// True when no non-zero cell of m placed at (x, y) meets a non-zero board cell.
bool fits(const Board& board, const PieceMatrix& m, int x, int y);

}  // namespace gyrock
