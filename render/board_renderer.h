// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// Draws the board: composes the upright picture (bbuffer) from the cell
// tiles and keeps the window's board square (background and turned board) up
// to date, redrawing only what changed and telling the window what to repaint.

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "render/bitmapfx.h"

namespace gyrock::render {

// A tile's side at normal density, on the board and in the preview alike.
inline constexpr int kTileSize = 16;
// Piece and board values 1 to 9 are drawn with the tile of that number.
inline constexpr bool hasTile(int value) { return value >= 1 && value <= 9; }

// The pictures stored with the window, loaded from the embedded resources
// (or from another folder, given with its trailing slash). One that is missing
// or not of its size is replaced by a flat picture of its base colour.
struct Pictures {
    QImage background;               // 622 x 485, the window background
    QImage backdrop;                 // 224 x 384, bbuffer's own picture
    std::array<QImage, 10> tiles;    // itemp(0..9), 16 x 16
    QImage clearMark;                // f, 16 x 16
    static Pictures load(const QString& folder = QStringLiteral(":/pictures/"));
};

// The same pictures drawn with twice the detail, each twice as wide and high,
// for screens of more than normal density; loaded only when one is used.
struct DetailedPictures {
    QImage background, backdrop;
    std::array<QImage, 10> tiles;
    QImage clearMark;
    static DetailedPictures load(const Pictures& normal);
};

class BoardRenderer {
public:
    explicit BoardRenderer(const Pictures& pictures);

    // Draws a frame's picture: bbuffer from the backdrop, the falling piece in
    // its own colour, then the board cells (monochrome as asked).
    // Cells that already show what they should are left alone.
    void composeBoard(const Game& game, bool monochrome);
    // The clearing effect's blend of f into one cell of bbuffer, in place.
    void markCell(int column, int row);
    // Clears the layer (transparent) and draws bbuffer turned by angle about
    // its centre, which lands on (240, 240). The layer may have any device
    // pixel ratio; the turn is drawn at device resolution.
    void putOnWindow(QImage& layer, std::int32_t angle, bool antialias) const;
    // The upright picture as composed: 224 x 384 times the density.
    QImage bbuffer() const;

    // ---- The window's board square: the 480 x 480 at its left, where the
    // board turns, kept as the window shows it (background and board).

    // The density the window is shown at. A change composes and draws
    // everything again from what the frame is made of.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return ratio_; }
    // Puts bbuffer on the window turned by angle. Returns the part of the
    // window (logical pixels) whose picture changed: empty when the frame is
    // the one already shown.
    QRect showBoard(std::int32_t angle, bool antialias);
    // Takes the board off the window; returns the part to repaint.
    QRect clearBoard();
    bool boardShown() const { return shown_; }
    std::int32_t shownAngle() const { return angle_; }
    bool shownAntialiased() const { return antialias_; }

    // The window background and the board square at the current density
    // (device pixel ratio set, so both paint at logical (0, 0)).
    const QImage& background() const { return scaled_.background; }
    const QImage& square() const { return square_; }
    static constexpr int kSquareSide = 480;
    static QRect squareArea() { return QRect(0, 0, kSquareSide, kSquareSide); }
    // The square as a full redraw makes it: every cell composed afresh, the
    // marks made again, the whole board turned over the background.
    QImage fullRedraw() const;

    // The board as drawn: wall to wall, and the lowest rows up to the floor.
    static constexpr int kColumns = kRightWall - kLeftWall + 1, kRows = 24;
    using Cells = std::array<std::int8_t, kColumns * kRows>;  // tile per cell, -1 the backdrop

private:
    struct Scaled {
        int cell = 16;  // pixels a board cell
        QImage background, backdrop, clearMark;
        std::array<QImage, 10> tiles;
    };
    Scaled scaledPictures(qreal ratio);
    static void drawCell(QImage& framed, const Scaled& scaled, int index, int tile);
    static void drawMark(QImage& framed, const Scaled& scaled, int index);
    QImage composeAll() const;
    // The square redrawn within deviceClip: the background back where the
    // board was (everywhere when before is null), then the board as it is now.
    void drawSquare(QImage& square, const QImage& framed, QRect deviceClip,
                    const bitmapfx::Turn* before = nullptr) const;
    QRect repaint(QRect deviceArea, std::optional<bitmapfx::Turn> before);
    bitmapfx::Turn turn() const;
    QSize pictureSize() const;
    QRect boardArea() const;

    const Pictures& pictures_;
    std::optional<DetailedPictures> detailed_;
    qreal ratio_ = 0;
    Scaled scaled_;
    Cells cells_{};                    // what bbuffer holds
    std::array<bool, kColumns * kRows> marked_{};
    std::vector<int> marks_;           // cells marked since the last compose, in order
    QImage bbuffer_;                   // framed: the picture inside a transparent border
    QRect changed_;                    // bbuffer pixels changed since the board was last shown
    QImage square_;
    bool shown_ = false;
    std::int32_t angle_ = 0;           // brought into [0, 360)
    bool antialias_ = false;
};

// The tile of every drawn cell of the game as a frame shows it.
BoardRenderer::Cells frameCells(const Game& game, bool monochrome);

// The next-piece preview: the full-size picture (n x 16 square, black, tiles
// at 16 px) and where the n x 6 preview sits inside the 24 x 24 frame box.
QImage composePreview(const PieceMatrix& nextpiece, const Pictures& pictures);
QRect previewGeometry(int n);

}  // namespace gyrock::render
