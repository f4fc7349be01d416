#include "board/board_look.h"
#include "board/board_model.h"
#include "board/board_painter.h"
#include "board_test_game.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <vector>

using board_look::contrast;

namespace {
QImage painted(const BoardModel& model) {
    QImage image(782, 505, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBoardModel(painter, model);
    return image;
}

QRect cellPixels(int n) {
    return twips::rect(board_geometry::cellLeft(n), board_geometry::cellTop(n), 375, 375);
}

// A full grid in `look`, and the cells its lines cross (and others to measure).
struct LinedBoard {
    explicit LinedBoard(const BoardLook& look) {
        model.look = look;
        const QString letters = QStringLiteral("WMBEQSAKGR");
        for (int n = 1; n <= 360; ++n) {
            model.cells[n].font = defaultCellFont();
            model.cells[n].caption = letters.at(n % letters.size());
        }
    }
    // Line k over word slot `slot`, from cell `from` by `step` to cell `to`.
    void strike(int k, int slot, int from, int to, int step) {
        model.lines[k] = {true, board_geometry::cellCentre(from), board_geometry::cellCentre(to),
                          DrawMode::MaskPen, slot};
        for (int n = from; n <= to; n += step) under.push_back(n);
    }
    // The lowest contrast, over the cells in `under`, between a letter's solid pixels
    // (where the letter alone is drawn in its full colour) and the same pixels with no letter.
    double lowestLetterContrast(const QColor& letter) const {
        BoardModel bare = model;
        for (BoardLine& line : bare.lines) line.visible = false;
        BoardModel blank = model;
        for (BoardCell& cell : blank.cells) cell.caption.clear();
        const QImage solid = painted(bare);
        const QImage shown = painted(model);
        const QImage behind = painted(blank);
        double lowest = 21;
        for (int n : under) {
            const QRect box = cellPixels(n);
            int solidPixels = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    if (QColor(solid.pixel(x, y)) != letter) continue;
                    ++solidPixels;
                    lowest = std::min(lowest, contrast(shown.pixel(x, y), behind.pixel(x, y)));
                }
            }
            EXPECT_GT(solidPixels, 3) << n;  // the measurement saw the letter
        }
        return lowest;
    }
    BoardModel model;
    std::vector<int> under;
};

}  // namespace

TEST(BoardLook, HighContrastKeepsEveryLetterLineAndTheTitleAtLeastFourAndAHalfToOne) {
    LinedBoard board({.highContrast = true});
    // Across, down and both diagonals, crossing one another on letters.
    board.strike(1, 1, 41, 54, 1);
    board.strike(2, 2, 5, 345, 20);
    board.strike(3, 3, 1, 358, 21);
    board.strike(4, 4, 20, 286, 19);
    board.under.insert(board.under.end(), {100, 200, 300});  // and off the lines
    EXPECT_GE(board.lowestLetterContrast(Qt::black), 4.5);

    const QImage image = painted(board.model);
    const QColor paper = image.pixel(cellPixels(341).topLeft() + QPoint(2, 2));
    const QPointF onLine =
        twips::point(board_geometry::cellLeft(42) + 5, board_geometry::cellCentre(42).y());
    EXPECT_GE(contrast(image.pixel(onLine.toPoint()), paper), 4.5);
    const QPointF titleBand = twips::point(400, 270);
    EXPECT_GE(contrast(image.pixel(titleBand.toPoint()), Qt::white), 4.5);
}

TEST(BoardLook, FoundColoursLeaveTheLettersLegibleWhereAnyTwoCross) {
    // Colours 1..9 across every other row, 1..10 down every other column: every pair of
    // colours crosses on a letter somewhere.
    LinedBoard board({.colourFound = true});
    for (int k = 1; k <= 9; ++k) board.strike(k, k, 40 * k - 39, 40 * k - 20, 1);
    for (int k = 1; k <= 10; ++k) board.strike(9 + k, k, 2 * k, 2 * k + 340, 20);
    EXPECT_GE(board.lowestLetterContrast(QColor(64, 64, 64)), 4.5);
    // Twenty words share ten colours.
    EXPECT_EQ(board_look::foundColour(20), board_look::foundColour(10));
}

TEST(BoardLook, ColourFoundWordsMarksTheLineAndTheEntryInTheWordsColour) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    game.board.setLook({.colourFound = true});
    const QImage before = game.board.grab().toImage();
    game.select(45, 87);  // the first word found is slot 3
    game.play.flashCheckTick();
    const QImage after = game.board.grab().toImage();
    const QRgb colour = board_look::foundColour(3).rgb();
    const QPointF between = (board_geometry::cellCentre(45) + board_geometry::cellCentre(66)) / 2;
    const QPoint onLine = twips::point(between.x(), between.y()).toPoint();
    EXPECT_EQ(after.pixel(onLine), before.pixel(onLine) & colour);
    const QRectF entry = board_geometry::entryRect(3);
    EXPECT_EQ(after.pixel(twips::point(entry.x(), entry.y()).toPoint() + QPoint(12, 3)), colour);
}

TEST(BoardLook, ShowAnswersPutsTheWordAfterAFoundQuestion) {
    BoardEntry entry;
    entry.caption = QStringLiteral("Which insect lives in a colony");
    entry.tag = QStringLiteral("ANT");
    const QFont font = defaultEntryFont();
    const BoardLook answers{.showAnswers = true};
    EXPECT_EQ(entryText(entry, answers, font, 1000), entry.caption) << "not found yet";
    entry.struck = true;
    EXPECT_EQ(entryText(entry, answers, font, 1000), entry.caption + QStringLiteral(" \u2013 ANT"));
    // A question too long for the entry gives way to the word.
    const QString cut = entryText(entry, answers, font, 120);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("\u2026 \u2013 ANT"))) << cut.toStdString();
    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(cut), 120);
}
