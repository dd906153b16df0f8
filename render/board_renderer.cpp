// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/board_renderer.h"

namespace gyrock::render {

BoardRenderer::BoardRenderer(const Pictures& pictures) : scaler_(pictures) {
    setDevicePixelRatio(1);
}

void BoardRenderer::composeBoard(const Game& game, bool monochrome) {
    picture_.compose(frameCells(game, monochrome));
}

void BoardRenderer::markCell(int column, int row) { picture_.mark(column, row); }

void BoardRenderer::setDevicePixelRatio(qreal ratio) {
    if (!(ratio > 0)) ratio = 1;
    if (ratio == ratio_) return;
    ratio_ = ratio;
    const ScaledPictures scaled = scaler_.at(ratio);
    picture_.setPictures(scaled);
    square_.setDensity(ratio, scaled.background, ratio * kTileSize / scaled.cell,
                       picture_.framed());
}

QRect BoardRenderer::showBoard(std::int32_t angle, bool antialias) {
    square_.show(picture_.framed(), picture_.damage().take(), angle, antialias);
    return square_.damage().take();
}

QRect BoardRenderer::clearBoard() {
    picture_.damage().clear();
    square_.hide();
    return square_.damage().take();
}

}  // namespace gyrock::render
