#pragma once
// The pictures of the main window, each drawn from scratch.

#include <QColor>
#include <QImage>

namespace pictures {

QImage drawBackground();            // 622 x 485, the window's background
QImage drawBackdrop();              // 224 x 384, behind the board's cells
QImage drawTile(QColor base, int index);  // 16 x 16 cell tile
QImage drawClearMark();             // 16 x 16 grey disc of the row-clearing effect

}  // namespace pictures
