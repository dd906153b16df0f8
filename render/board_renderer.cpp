#include "render/board_renderer.h"

#include <QPainter>
#include <algorithm>

#include "render/bitmapfx.h"
#include "render/tile_copy.h"

namespace gyrock::render {
namespace {

constexpr int kTile = 16;
constexpr int kBufferWidth = 224;   // columns 3..16
constexpr int kBufferHeight = 384;  // rows 7..30
constexpr int kFirstColumn = 3, kLastColumn = 16;
constexpr int kFirstRow = 7, kLastRow = 30;
constexpr int kMonochromeTile = 0;
constexpr QPointF kWindowCentre(240, 240);

int cellLeft(int column) { return (column - kFirstColumn) * kTile; }
int cellTop(int row) { return (row - kFirstRow) * kTile; }

// The tile a board cell is drawn with, or -1 for none (empty, or a value no
// tile belongs to).
int boardTile(int c, bool monochrome) {
    if (c == 0) return -1;
    if (monochrome) return c == kWall ? kWall : kMonochromeTile;
    return (c >= 1 && c <= 9) ? c : -1;
}

}  // namespace

BoardRenderer::BoardRenderer(const Pictures& pictures)
    : pictures_(pictures),
      bbuffer_(kBufferWidth, kBufferHeight, QImage::Format_RGB32),
      backdrop_(prepared(pictures.backdrop, QSize(kBufferWidth, kBufferHeight))) {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        tiles_[i] = prepared(pictures.tiles[i], QSize(kTile, kTile));
    }
    bbuffer_.fill(Qt::black);
}

void BoardRenderer::composeBoard(const Game& game, bool monochrome) {
    copyTile(bbuffer_, backdrop_, 0, 0);

    // The falling piece keeps its colour, also on a monochrome board.
    const int n = std::clamp(game.piece.n, 0, 4);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const int v = game.piece(i, j);
            if (v >= 1 && v <= 9) {
                copyTile(bbuffer_, tiles_[v], cellLeft(game.piecex + i), cellTop(game.piecey + j));
            }
        }
    }

    for (int x = kFirstColumn; x <= kLastColumn; ++x) {
        for (int y = kFirstRow; y <= kLastRow; ++y) {
            const int t = boardTile(game.board(x, y), monochrome);
            if (t >= 0) copyTile(bbuffer_, tiles_[t], cellLeft(x), cellTop(y));
        }
    }
}

void BoardRenderer::markCell(int column, int row) {
    bitmapfx::alphaMask(bbuffer_, cellLeft(column), cellTop(row), kTile, kTile,
                        pictures_.clearMark, pictures_.clearMark);
}

void BoardRenderer::putOnWindow(QImage& layer, std::int32_t angle, bool antialias) const {
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    bitmapfx::rotate(painter, kWindowCentre, bbuffer_, QRect(0, 0, kBufferWidth, kBufferHeight),
                     static_cast<double>(angle), antialias);
}

}  // namespace gyrock::render
