// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "ui/board_view.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>

#include "render/preview.h"

namespace gyrock::ui {

BoardView::BoardView(QWidget& window)
    : window_(window), pictures_(render::Pictures::load()), renderer_(pictures_) {
    if (FrameCheck::requested()) frameCheck_ = std::make_unique<FrameCheck>();
}

BoardView::~BoardView() = default;

void BoardView::matchDensity() { renderer_.setDevicePixelRatio(window_.devicePixelRatioF()); }

void BoardView::paint(const QRegion& region) {
    // Everything comes from what the renderer keeps, never from "nothing
    // changed": an expose after the window was covered shows the same picture.
    matchDensity();
    QPainter painter(&window_);
    const QRect square = render::BoardRenderer::squareArea();
    const QRegion rest = region.subtracted(square);
    if (!rest.isEmpty()) {
        painter.setClipRegion(rest);
        painter.fillRect(window_.rect(), Qt::black);
        painter.drawImage(QPointF(0, 0), renderer_.background());
        painter.setClipping(false);
    }
    if (region.intersects(square)) painter.drawImage(QPointF(0, 0), renderer_.square());
    if (frameCheck_) frameCheck_->painted(region, renderer_.square());
}

void BoardView::drawBoard(const Game& game, bool monochrome, bool antialias) {
    matchDensity();
    renderer_.composeBoard(game, monochrome);
    showFrame(renderer_.showBoard(game.angle, antialias));
}

void BoardView::markCell(int column, int row, std::int32_t angle, bool antialias) {
    matchDensity();
    renderer_.markCell(column, row);
    showFrame(renderer_.showBoard(angle, antialias));
}

void BoardView::clear() { showFrame(renderer_.clearBoard()); }

QImage BoardView::preview(const PieceMatrix& nextpiece) const {
    return render::composePreview(nextpiece, pictures_);
}

void BoardView::showFrame(QRect changed) {
    // A frame like the one on the window costs no repaint at all.
    if (!changed.isEmpty()) window_.update(changed);
    if (!frameCheck_) return;
    // The frame must be on the window before it can be held against a full redraw.
    QCoreApplication::sendPostedEvents(&window_, QEvent::UpdateRequest);
    // The window never paints under its opaque controls; nobody sees the board there.
    QRegion covered;
    for (QWidget* child : window_.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() &&
            (child->autoFillBackground() || child->testAttribute(Qt::WA_OpaquePaintEvent))) {
            covered += child->geometry();
        }
    }
    frameCheck_->compare(renderer_.fullRedraw(), covered);
}

void BoardView::checkFrames() {
    if (!frameCheck_) frameCheck_ = std::make_unique<FrameCheck>();
    // Starts from a window painted whole.
    window_.repaint();
}

}  // namespace gyrock::ui
