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
const QColor kLetter(64, 64, 64);  // the designed letters

QImage painted(const BoardModel& model) {
    QImage image(782, 505, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBoardModel(painter, model);
    return image;
}

BoardModel lettered(const BoardLook& look) {
    BoardModel model;
    model.look = look;
    const QString letters = QStringLiteral("WMBEQSAKGR");
    for (int n = 1; n <= 360; ++n) {
        model.cells[n].font = defaultCellFont();
        model.cells[n].caption = letters.at(n % letters.size());
    }
    return model;
}

QRect cellPixels(int n) {
    return twips::rect(board_geometry::cellLeft(n), board_geometry::cellTop(n), 375, 375);
}

// The lowest contrast, over every cell in `cells`, between a letter's solid pixels (where the
// letter alone is drawn in its full colour) and the same pixels with no letter there.
double lowestLetterContrast(const BoardModel& model, const QColor& letter,
                            const std::vector<int>& cells) {
    BoardModel bare = model;
    for (BoardLine& line : bare.lines) line.visible = false;
    const QImage solid = painted(bare);
    BoardModel blank = model;
    for (BoardCell& cell : blank.cells) cell.caption.clear();
    const QImage shown = painted(model);
    const QImage behind = painted(blank);
    double lowest = 21;
    for (int n : cells) {
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

// Line k struck over word slot `slot` from cell `from` to cell `to`.
void strike(BoardModel& model, int k, int slot, int from, int to) {
    model.lines[k] = {true, board_geometry::cellCentre(from), board_geometry::cellCentre(to),
                      DrawMode::MaskPen, slot};
}
}  // namespace

TEST(BoardLook, HighContrastKeepsEveryLetterTextAndLineAtLeastFourAndAHalfToOne) {
    BoardModel model = lettered({.highContrast = true});
    // Across, down and both diagonals, crossing one another on letters.
    strike(model, 1, 1, 41, 54);   // row 2, columns 0..13
    strike(model, 2, 2, 5, 345);   // column 4, rows 0..17
    strike(model, 3, 3, 1, 358);   // the diagonal from the top left
    strike(model, 4, 4, 20, 286);  // the other diagonal, crossing row 2 and column 4
    std::vector<int> under;
    for (int n = 41; n <= 54; ++n) under.push_back(n);
    for (int n = 5; n <= 345; n += 20) under.push_back(n);
    for (int n = 1; n <= 358; n += 21) under.push_back(n);
    for (int n = 20; n <= 286; n += 19) under.push_back(n);
    EXPECT_GE(lowestLetterContrast(model, Qt::black, under), 4.5);
    // Letters off the lines, on the white paper.
    EXPECT_GE(lowestLetterContrast(model, Qt::black, {100, 200, 300}), 4.5);

    const QImage image = painted(model);
    const QColor paper = image.pixel(cellPixels(341).topLeft() + QPoint(2, 2));
    const QPointF onLine =
        twips::point(board_geometry::cellLeft(42) + 5, board_geometry::cellCentre(42).y());
    EXPECT_GE(contrast(image.pixel(onLine.toPoint()), paper), 4.5);
    EXPECT_EQ(contrast(image.pixel(twips::point(400, 270).toPoint()), Qt::black), 1)
        << "the title band";
    EXPECT_GE(contrast(board_look::highContrastLine(), Qt::white), 4.5);
}

TEST(BoardLook, FoundColoursLeaveTheLettersLegibleAloneAndWhereAnyTwoCross) {
    // Colours 1..9 across every other row, 1..10 down every other column: every pair of
    // colours crosses on a letter somewhere.
    BoardModel model = lettered({.colourFound = true});
    std::vector<int> under;
    for (int k = 1; k <= 9; ++k) {
        const int first = 40 * (k - 1) + 1;
        strike(model, k, k, first, first + 19);
        for (int n = first; n < first + 20; ++n) under.push_back(n);
    }
    for (int k = 1; k <= 10; ++k) {
        strike(model, 9 + k, k, 2 * k, 2 * k + 340);
        for (int n = 2 * k + 20; n <= 360; n += 40) under.push_back(n);  // the rows between
    }
    EXPECT_GE(lowestLetterContrast(model, kLetter, under), 4.5);
    for (int slot = 1; slot <= 10; ++slot) {
        // The list mark behind a found entry's black text.
        EXPECT_GE(contrast(board_look::foundColour(slot), Qt::black), 4.5) << slot;
    }
    EXPECT_EQ(board_look::foundColour(11), board_look::foundColour(1));
}

TEST(BoardLook, ColourFoundWordsMarksTheLineAndTheEntryInOneColour) {
    TestGame game({{"ANT", 1, 3}, {"BEE", 21, 61}, {"CAT", 45, 87}});
    game.board.setLook({.colourFound = true});
    const QImage before = game.board.grab().toImage();
    game.select(45, 87);
    game.board.hlFlashCheckTimer();  // the flash settles
    const QImage after = game.board.grab().toImage();
    const QRgb colour = board_look::foundColour(3).rgb();
    // On the line half way between two of its letters, and at the start of each entry.
    const QPointF between = (board_geometry::cellCentre(45) + board_geometry::cellCentre(66)) / 2;
    const QPoint onLine = twips::point(between.x(), between.y()).toPoint();
    EXPECT_EQ(after.pixel(onLine), before.pixel(onLine) & colour);
    const auto entryStart = [](int i) {
        const QRectF box = board_geometry::entryRect(i);
        return twips::point(box.x(), box.y()).toPoint() + QPoint(12, 3);
    };
    EXPECT_EQ(after.pixel(entryStart(3)), colour);
    EXPECT_EQ(after.pixel(entryStart(1)), before.pixel(entryStart(1)));
}

TEST(BoardLook, ShowAnswersPutsTheWordAfterAFoundQuestion) {
    BoardEntry entry;
    entry.caption = QStringLiteral("Which insect lives in a colony");
    entry.tag = QStringLiteral("ANT");
    const QFont font = defaultEntryFont();
    const BoardLook answers{.showAnswers = true};
    EXPECT_EQ(entryText(entry, answers, font, 1000), entry.caption) << "not found yet";
    entry.font.setStrikeOut(true);
    EXPECT_EQ(entryText(entry, {}, font, 1000), entry.caption);
    EXPECT_EQ(entryText(entry, answers, font, 1000), entry.caption + QStringLiteral(" \u2013 ANT"));
    // A question too long for the entry gives way to the word.
    const QString cut = entryText(entry, answers, font, 120);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("\u2026 \u2013 ANT"))) << cut.toStdString();
    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(cut), 120);
    // A blank entry shows its word once found, and only once.
    entry.caption = entry.tag;
    EXPECT_EQ(entryText(entry, answers, font, 1000), "ANT");
}
