#pragma once

#include "board/board_model.h"

#include <QPixmap>

class QPainter;
class QRect;
class QSize;

// The static board (artwork, title, letter grid, word list) kept in a pixmap, so that moving a
// selection or flashing a strike line redraws only the lines over it. The pixmap is painted
// again only when something it shows differs from the model it was painted from (the puzzle, a
// font, a found or flashing entry, the title) or the zoom, size or device pixel ratio changes.
// The pixmap holds the board as the window shows it, zoomed, so it is copied pixel for pixel.
class StaticBoardCache {
  public:
    // Paints the `exposed` part of the window (window pixels): the static board from the pixmap,
    // then the strike lines and the open selection over it. `size` is the board's designed size;
    // `zoom` scales all of it.
    void paint(QPainter& painter, const BoardModel& model, const QSize& size, qreal pixelRatio,
               const QRect& exposed, double zoom = 1);
    int rebuilds() const { return rebuilds_; }

  private:
    void rebuildIfStale(const BoardModel& model, const QSize& size, qreal pixelRatio, double zoom);

    BoardModel paintedFrom_;
    QPixmap pixmap_;
    double zoom_ = 1;
    int rebuilds_ = 0;
};
