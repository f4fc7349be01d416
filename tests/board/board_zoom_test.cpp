#include "board/board_zoom.h"
#include "board/board_painter.h"
#include "board/board_window.h"
#include "board_test_game.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <set>

namespace {
QImage shown(BoardWindow& board) {
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint centrePixel(int cell, double zoom) {
    const QPointF centre = board_geometry::cellCentre(cell);
    return (twips::point(centre.x(), centre.y()) * zoom).toPoint();
}

// The box around the pixels of `area` whose colour `matches`.
template <class Match>
QRect boxOf(const QImage& image, const QRect& area, Match matches) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (matches(QColor(image.pixel(x, y)))) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QRect letterBox(const QImage& image, int n, double zoom) {
    const QRect cell =
        twips::rect(board_geometry::cellLeft(n), board_geometry::cellTop(n), 375, 375);
    return boxOf(image, board_zoom::toWindow(cell, zoom),
                 [](const QColor& colour) { return qGray(colour.rgb()) < 110; });
}
}  // namespace

TEST(BoardZoom, StepsStayInRangeAndAFittedZoomStepsToItsNeighbours) {
    using namespace board_zoom;
    EXPECT_EQ(zoomedIn(3), 3);
    EXPECT_EQ(zoomedOut(0.5), 0.5);
    EXPECT_EQ(zoomedIn(2.04), 2.25);
    EXPECT_EQ(zoomedOut(2.04), 2);
    EXPECT_EQ(zoomedIn(2.0000000001), 2.25);  // a fitted 2 is the step 2
    EXPECT_EQ(fitting(QSizeF(10, 10), QSizeF(782, 505)), 0.5);
    EXPECT_EQ(snapped(1.37), 1.25);  // a hand-edited setting
    EXPECT_EQ(snapped(std::nan("")), 1);
}

// Line 1 struck along row 3 (cells 41..45), line 2 the open selection down column 1 (cells
// 101..181), the keyboard cursor on cell 281.
TEST(BoardZoom, LettersLinesSelectionAndCursorScaleAsOnePicture) {
    TestGame game({{"ABCDE", 41, 45}, {"FGH", 300, 302}});
    BoardWindow& board = game.board;
    board.show();
    QApplication::setActiveWindow(&board);
    board.setFocus();
    const std::set<int> underLines = {41, 42, 43, 44, 45, 101, 121, 141, 161, 181};
    const QRect actualLetter = letterBox(shown(board), 187, 1);
    // Back at 100 % last: nothing of the larger zooms is left.
    for (double zoom : {1.5, 3.0, 1.0}) {
        SCOPED_TRACE(zoom);
        board.setZoom(zoom);
        game.session.newWordSearch();  // no line left from the zoom before
        game.session.generationStarted(
            {"data\\zoom.qrw", "Zoom", "", Level::Medium, ShowMode::Words, false});
        game.session.generated(Puzzle(game.session.puzzle()));
        game.play.refresh();
        const QImage plain = shown(board);
        QTest::keyClick(&board, Qt::Key_PageUp);  // the cursor to row 1, then down to 281
        QTest::keyClick(&board, Qt::Key_Home);
        for (int row = 1; row <= 14; ++row) QTest::keyClick(&board, Qt::Key_Down);
        game.select(41, 45);
        game.play.flashCheckTick();
        game.press(101);
        game.moveOver(181);
        const QImage lined = shown(board);

        if (zoom == 1) {
            QImage designed(lined.size(), QImage::Format_RGB32);
            QPainter painter(&designed);
            paintBoardModel(painter, board.model());
            paintCellCursor(painter, 281);
            painter.end();
            EXPECT_EQ(lined, designed);
            continue;
        }
        const QRect letter = letterBox(plain, 187, zoom);
        EXPECT_NEAR(letter.height(), actualLetter.height() * zoom, 2 * zoom);
        EXPECT_LT((QRectF(letter).center() - centrePixel(187, zoom)).manhattanLength(), 2 * zoom);

        // Around every cell's centre the marker tints exactly the letters under a line, and
        // the pointer there finds that cell.
        const int reach = static_cast<int>(6 * zoom);
        int wrong = 0;
        for (int n = 1; n <= 360; ++n) {
            const QPoint c = centrePixel(n, zoom);
            wrong += board.cellAt(c) != n;
            for (int y = c.y() - reach; y <= c.y() + reach; ++y) {
                for (int x = c.x() - reach; x <= c.x() + reach; ++x) {
                    const QRgb before = plain.pixel(x, y);
                    const QRgb expected = underLines.count(n) ? before & qRgb(0, 144, 144) : before;
                    wrong += (lined.pixel(x, y) & 0xffffff) != (expected & 0xffffff);
                }
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(board.entryAt(twips::point(8500, 500) * zoom), 1);

        // The cursor's orange frame is around cell 281 and nowhere else.
        const QRect frame = board_zoom::toWindow(cellCursorBounds(281), zoom);
        const QRect cursor = boxOf(lined, lined.rect(), [](const QColor& c) {
            return std::abs(c.red() - 200) + std::abs(c.green() - 70) + c.blue() <= 40;
        });
        EXPECT_TRUE(frame.contains(cursor));
        EXPECT_GT(cursor.width(), 24 * zoom);
    }
}
