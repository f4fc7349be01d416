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
const QRgb kPen = qRgb(0, 144, 144);
const QSize kDesigned(782, 505);

QPointF centrePixel(int cell, double zoom) {
    const QPointF centre = board_geometry::cellCentre(cell);
    return twips::point(centre.x(), centre.y()) * zoom;
}

QImage shown(BoardWindow& board) {
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Every cell lettered; line 1 struck along row 3 (cells 41..45) and line 2, the open
// selection, down column 1 (cells 101..181).
void layLines(BoardModel& model, bool visible) {
    for (int n = 1; n <= 360; ++n) model.cells[n].caption = QString(QChar('A' + n % 26));
    model.lines[1] = {visible, board_geometry::cellCentre(41), board_geometry::cellCentre(45),
                      DrawMode::MaskPen};
    model.lines[2] = {visible, board_geometry::cellCentre(101), board_geometry::cellCentre(181),
                      DrawMode::MaskPen};
}

const std::set<int> kUnderLines = {41, 42, 43, 44, 45, 101, 121, 141, 161, 181};
}  // namespace

TEST(BoardZoom, StepsByQuartersWithinTheRange) {
    using namespace board_zoom;
    EXPECT_EQ(zoomedIn(1), 1.25);
    EXPECT_EQ(zoomedOut(1), 0.75);
    EXPECT_EQ(zoomedIn(3), 3);
    EXPECT_EQ(zoomedOut(0.5), 0.5);
    // From a fitted zoom between steps, to the neighbouring step in that direction.
    EXPECT_EQ(zoomedIn(2.04), 2.25);
    EXPECT_EQ(zoomedOut(2.04), 2);
    EXPECT_EQ(zoomedIn(2.0000000001), 2.25);
    EXPECT_EQ(zoomedOut(1.9999999999), 1.75);

    EXPECT_EQ(snapped(1.37), 1.25);  // a hand-edited setting: the nearest step
    EXPECT_EQ(snapped(50), 3);
    EXPECT_EQ(snapped(0.1), 0.5);
    EXPECT_EQ(snapped(std::nan("")), 1);

    EXPECT_EQ(fitting(QSizeF(1920, 1030), kDesigned), 1030.0 / 505);
    EXPECT_EQ(fitting(QSizeF(100000, 100000), kDesigned), 3);
    EXPECT_EQ(fitting(QSizeF(10, 10), kDesigned), 0.5);
    EXPECT_EQ(scaledSize(kDesigned, 1.5), QSize(1173, 758));
    EXPECT_EQ(scaledSize(kDesigned, 3), QSize(2346, 1515));
}

TEST(BoardZoom, LinesSelectionAndCursorSitOnTheirLettersAtEveryZoom) {
    TestEnv env;
    BoardWindow board(env.services);
    board.show();
    QApplication::setActiveWindow(&board);
    board.setFocus();
    ASSERT_TRUE(board.hasFocus());
    for (double zoom : {1.5, 3.0}) {
        SCOPED_TRACE(zoom);
        board.setZoom(zoom);
        ASSERT_EQ(board.size(), board_zoom::scaledSize(kDesigned, zoom));
        layLines(board.model(), false);
        board.modelChanged();
        const QImage plain = shown(board);
        layLines(board.model(), true);
        // A key shows the cursor where the pointer is.
        QTest::mouseMove(&board, centrePixel(281, zoom).toPoint());
        QTest::keyClick(&board, Qt::Key_Escape);
        ASSERT_TRUE(board.cursorShown());
        ASSERT_EQ(board.cursorCell(), 281);
        const QImage lined = shown(board);
        QTest::mouseMove(&board, QPoint(1, 1));  // the mouse hides the cursor again

        // Around every cell's centre the marker tints the letter exactly where a line runs.
        // Within the round ends' reach of the end cells' centres.
        const int reach = static_cast<int>(6 * zoom);
        int wrong = 0;
        for (int n = 1; n <= 360; ++n) {
            const QPoint c = centrePixel(n, zoom).toPoint();
            for (int y = c.y() - reach; y <= c.y() + reach; ++y) {
                for (int x = c.x() - reach; x <= c.x() + reach; ++x) {
                    const QRgb before = plain.pixel(x, y);
                    const QRgb expected = kUnderLines.count(n) ? (before & kPen) : before;
                    wrong += (lined.pixel(x, y) & 0xffffff) != (expected & 0xffffff);
                }
            }
        }
        EXPECT_EQ(wrong, 0);

        // The cursor's frame is drawn around cell 281 and nowhere else.
        const QRect frame = board_zoom::toWindow(cellCursorBounds(281), zoom);
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < lined.height(); ++y) {
            for (int x = 0; x < lined.width(); ++x) {
                const QColor colour(lined.pixel(x, y));
                if (std::abs(colour.red() - 200) + std::abs(colour.green() - 70) + colour.blue() >
                    40) {
                    continue;
                }
                ++(frame.contains(x, y) ? inside : outside);
            }
        }
        EXPECT_GT(inside, 4 * 24 * zoom);
        EXPECT_EQ(outside, 0);
    }
}

TEST(BoardZoom, LettersGrowWithTheBoardAndActualSizeIsTheDesignedPicture) {
    TestEnv env;
    BoardWindow board(env.services);
    for (int n = 1; n <= 360; ++n) board.model().cells[n].caption = QString();
    board.model().cells[187].caption = QStringLiteral("W");
    board.show();
    // The letter's dark pixels: their box is centred on the cell and grows with the zoom.
    auto letterBox = [&](double zoom) {
        board.setZoom(zoom);
        const QImage image = shown(board);
        QRect box;
        const QRectF cell =
            twips::rectF(board_geometry::cellLeft(187), board_geometry::cellTop(187), 375, 375);
        const QRect area(QRectF(cell.topLeft() * zoom, cell.size() * zoom).toAlignedRect());
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qGray(image.pixel(x, y)) < 110) box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    };
    const QRect actual = letterBox(1);
    for (double zoom : {1.5, 3.0}) {
        const QRect zoomed = letterBox(zoom);
        EXPECT_NEAR(zoomed.height(), actual.height() * zoom, 2 * zoom) << zoom;
        EXPECT_NEAR(zoomed.width(), actual.width() * zoom, 2 * zoom) << zoom;
        const QPointF offset = QRectF(zoomed).center() - centrePixel(187, zoom);
        EXPECT_LT(offset.manhattanLength(), 2 * zoom) << zoom;
    }

    // Back at 100% the window shows exactly what the designed painter draws.
    board.setZoom(1);
    layLines(board.model(), true);
    board.modelChanged();
    QImage designed(kDesigned, QImage::Format_RGB32);
    QPainter painter(&designed);
    paintBoardModel(painter, board.model());
    painter.end();
    EXPECT_EQ(shown(board), designed);
}

TEST(BoardZoom, ClicksAndDragsFindWordsAtTheZoomedCells) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    BoardWindow& board = game.board;
    board.show();
    const double zoom = 1.5;
    board.setZoom(zoom);
    auto at = [&](int cell) { return centrePixel(cell, zoom).toPoint(); };
    for (int n : {1, 20, 187, 341, 360}) EXPECT_EQ(board.cellAt(at(n)), n);
    EXPECT_EQ(board.entryAt(twips::point(8500, 500) * zoom), 1);

    QTest::mouseClick(&board, Qt::LeftButton, {}, at(3));
    QTest::mouseMove(&board, at(1));
    EXPECT_EQ(game.model().lines[1].p2, board_geometry::cellCentre(1));
    QTest::mouseClick(&board, Qt::LeftButton, {}, at(1));
    QTest::mousePress(&board, Qt::LeftButton, {}, at(21));
    QTest::mouseMove(&board, at(61));
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at(61));
    EXPECT_EQ(game.state().foundCount, 2);
    EXPECT_TRUE(game.model().entries[1].struck());
    EXPECT_TRUE(game.model().entries[2].struck());
}
