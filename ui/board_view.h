// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The board as the main window shows it: the pictures, the renderer that
// keeps the upright picture and the turned square, and the window's paint.
// Asks the window to repaint only what a frame changed.

#include <QRegion>
#include <memory>

#include "diagnostics/frame_check.h"
#include "engine/game.h"
#include "render/board_renderer.h"

class QWidget;

namespace gyrock::ui {

class BoardView {
  public:
    explicit BoardView(QWidget& window);
    ~BoardView();

    // The frames the game asks for.
    void drawBoard(const Game& game, bool monochrome, bool antialias);
    void markCell(int column, int row, std::int32_t angle, bool antialias);
    void clear();
    // The next piece's picture, sized to its matrix.
    QImage preview(const PieceMatrix& nextpiece) const;

    // Paints region of the window from what the renderer keeps.
    void paint(const QRegion& region);

    // Compares every frame with a full redraw from now on (as GYROCK_CHECK_FRAMES=1 does).
    void checkFrames();
    const FrameCheck* frameCheck() const { return frameCheck_.get(); }

  private:
    void matchDensity();
    void showFrame(QRect changed);

    QWidget& window_;
    render::Pictures pictures_;
    render::BoardRenderer renderer_;
    std::unique_ptr<FrameCheck> frameCheck_;
};

}  // namespace gyrock::ui
