#pragma once
// Draws the board: composes the upright picture (bbuffer) from the cell
// tiles and puts it on the window's drawing layer turned by the board angle.
// Contract shared by the window; keep the names stable.

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>

#include "engine/game.h"

namespace gyrock::render {

// The pictures stored with the window, loaded from the embedded resources.
struct Pictures {
    QImage background;               // 622 x 485, the window background
    QImage backdrop;                 // 224 x 384, bbuffer's own picture
    std::array<QImage, 10> tiles;    // itemp(0..9), 16 x 16
    QImage clearMark;                // f, 16 x 16
    static Pictures load();
};

class BoardRenderer {
public:
    explicit BoardRenderer(const Pictures& pictures);

    // Steps 2 to 4 of drawing a frame: bbuffer from the backdrop, the falling
    // piece in its own colour, then the board cells (monochrome as asked).
    void composeBoard(const Game& game, bool monochrome);
    // The clearing effect's blend of f into one cell of bbuffer, in place.
    void markCell(int column, int row);
    // Clears the layer (transparent) and draws bbuffer turned by angle about
    // its centre, which lands on (240, 240). The layer may have any device
    // pixel ratio; the turn is drawn at device resolution.
    void putOnWindow(QImage& layer, std::int32_t angle, bool antialias) const;

    const QImage& bbuffer() const { return bbuffer_; }

private:
    const Pictures& pictures_;
    QImage bbuffer_;  // 224 x 384
    // The backdrop and tiles as 32-bit opaque copies of exactly their sizes,
    // so a frame is nothing but row copies.
    QImage backdrop_;
    std::array<QImage, 10> tiles_;
};

// The next-piece preview: the full-size picture (n x 16 square, black, tiles
// at 16 px) and where the n x 6 preview sits inside the 24 x 24 frame box.
QImage composePreview(const PieceMatrix& nextpiece, const Pictures& pictures);
QRect previewGeometry(int n);
// The full-size picture shrunk to the preview's n x 6 square (averaged).
QImage shrinkPreview(const QImage& full, int n);

}  // namespace gyrock::render
