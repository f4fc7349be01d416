#pragma once

#include "board/board_model.h"

#include <QPixmap>

class QPainter;
class QRect;
class QSize;

// The static board (artwork, title, letter grid, word list) kept in a pixmap, so that moving a
// selection or flashing a strike line redraws only the lines over it. The pixmap is painted
// again only when something it shows differs from the model it was painted from (the puzzle, a
// font, a found or flashing entry, the title) or the size or device pixel ratio changes.
class StaticBoardCache {
  public:
    // Paints the `exposed` part of the board: the static board from the pixmap, then the strike
    // lines and the open selection over it.
    void paint(QPainter& painter, const BoardModel& model, const QSize& size, qreal pixelRatio,
               const QRect& exposed);
    int rebuilds() const { return rebuilds_; }

  private:
    void rebuildIfStale(const BoardModel& model, const QSize& size, qreal pixelRatio);

    BoardModel paintedFrom_;
    QPixmap pixmap_;
    int rebuilds_ = 0;
};
