#include "board/board_model.h"
#include "board/board_painter.h"
#include "board/board_window.h"
#include "board/static_board_cache.h"
#include "board_test_game.h"
#include "platform/twips.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <QRegularExpression>

#include <functional>

namespace {
const QRgb kPen = qRgb(0, 144, 144);

QImage paint(const BoardModel& model) {
    QImage image(782, 505, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintBoardModel(painter, model);
    return image;
}

QRgb perChannel(QRgb screen, const std::function<int(int, int)>& op) {
    return qRgb(op(qRed(screen), qRed(kPen)) & 0xff, op(qGreen(screen), qGreen(kPen)) & 0xff,
                op(qBlue(screen), qBlue(kPen)) & 0xff);
}

// A board full of letters, with line 1 (still hidden) laid along cells 41..45 of row 3.
BoardModel rowUnderLine(DrawMode mode) {
    BoardModel model;
    for (int n = 1; n <= 360; ++n) {
        model.cells[n].font = defaultCellFont();
        model.cells[n].caption = QString(QChar('A' + n % 26));
    }
    BoardLine& line = model.lines[1];
    line.p1 = board_geometry::cellCentre(41);
    line.p2 = board_geometry::cellCentre(45);
    line.mode = mode;
    return model;
}

struct Check {
    int letterPixels = 0;      // dark letter pixels under the line
    int backgroundPixels = 0;  // light paper pixels under the line
    int mismatches = 0;
};

// Compares every pixel well inside the line's band with the raster operation applied to the
// board painted without the line.
Check underLine(DrawMode mode, const std::function<int(int, int)>& op) {
    BoardModel model = rowUnderLine(mode);
    const QImage plain = paint(model);
    model.lines[1].visible = true;
    const QImage lined = paint(model);
    const QPointF a = twips::point(model.lines[1].p1.x(), model.lines[1].p1.y());
    const QPointF b = twips::point(model.lines[1].p2.x(), model.lines[1].p2.y());
    Check check;
    for (int y = static_cast<int>(a.y()) - 8; y <= static_cast<int>(a.y()) + 8; ++y) {
        for (int x = static_cast<int>(a.x()) + 2; x <= static_cast<int>(b.x()) - 2; ++x) {
            const QRgb before = plain.pixel(x, y);
            if (qGray(before) < 110) ++check.letterPixels;
            if (qGray(before) > 230) ++check.backgroundPixels;
            if ((lined.pixel(x, y) & 0xffffff) != (perChannel(before, op) & 0xffffff)) {
                ++check.mismatches;
            }
        }
    }
    return check;
}
// A paint device that keeps the texts a painter hands to its engine and draws nothing.
class TextRecorder : public QPaintDevice {
  public:
    QStringList texts;
    QPaintEngine* paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 782;
            case PdmHeight:
                return 505;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            case PdmDepth:
                return 32;
            default:
                return 1000;
        }
    }

  private:
    struct Engine : QPaintEngine {
        explicit Engine(QStringList& out) : texts(out) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
        Type type() const override { return User; }
        QStringList& texts;
    };
    mutable Engine engine_{texts};
};

QStringList textsPainted(const BoardModel& model) {
    TextRecorder device;
    QPainter painter(&device);
    paintBoardModel(painter, model);
    painter.end();
    return device.texts;
}
}  // namespace

TEST(BoardPainting, AVeryLongQuestionShowsItsStartAndCostsNoMoreThanAShortOne) {
    BoardModel model;
    model.entries[1].font = defaultEntryFont();
    model.entries[1].font.setPointSizeF(8);
    model.entries[2] = model.entries[1];
    model.entries[1].caption = QStringLiteral("Which bird");  // fits
    model.entries[2].caption = QStringLiteral("Which bird lays ") + QString(100000, QChar('x'));
    model.title = QStringLiteral("Birds ") + QString(100000, QChar('y'));
    const QString texts = textsPainted(model).join(QChar('|'));
    EXPECT_LT(texts.size(), 1000);
    EXPECT_TRUE(texts.contains(QStringLiteral("|Which bird|"))) << texts.toStdString();
    EXPECT_TRUE(texts.contains(QRegularExpression(QStringLiteral("\\|Which bird lays x+\u2026"))));
    EXPECT_TRUE(texts.startsWith(QStringLiteral("Birds y"))) << texts.left(40).toStdString();
}

TEST(BoardPainting, ALargeChosenFontShowsWholeLettersInItsRowAndCell) {
    using namespace board_geometry;
    BoardModel model;
    model.entries[2].font = defaultEntryFont();
    model.entries[2].font.setPointSizeF(40);
    model.entries[2].caption = QStringLiteral("WWW");
    model.cells[22].font = defaultCellFont();
    model.cells[22].font.setPointSizeF(40);
    model.cells[22].caption = QStringLiteral("W");
    const QImage drawn = paint(model);
    const QImage bare = paint(BoardModel());
    // Letters cut at the box would leave ink on its top and bottom pixel rows.
    const auto edgesUntouched = [&](QRectF twipsBox, const char* what) {
        const QRect box =
            twips::rectF(twipsBox.x(), twipsBox.y(), twipsBox.width(), twipsBox.height()).toRect();
        for (int y : {box.top(), box.bottom()}) {
            const QRect row(box.left(), y, box.width(), 1);
            EXPECT_EQ(drawn.copy(row), bare.copy(row)) << what << " at y " << y;
        }
    };
    edgesUntouched(entryRect(2), "entry 2");
    edgesUntouched(QRectF(cellLeft(22), cellTop(22), kCellSize, kCellSize), "cell 22");
}

TEST(BoardPainting, AFreshSelectionShowsItsAnchorAtOnce) {
    BoardModel model = rowUnderLine(DrawMode::MaskPen);
    model.lines[1].p2 = model.lines[1].p1;
    const QImage plain = paint(model);
    model.lines[1].visible = true;
    const QImage dot = paint(model);
    const QPoint anchor = twips::point(model.lines[1].p1.x(), model.lines[1].p1.y()).toPoint();
    int changed = 0;
    for (int dy = -12; dy <= 12; ++dy) {
        for (int dx = -12; dx <= 12; ++dx) {
            const QPoint at = anchor + QPoint(dx, dy);
            if (plain.pixel(at) != dot.pixel(at)) ++changed;
        }
    }
    // A round dot of the line's 20-pixel width: about 314 pixels, all within 11 of the anchor.
    EXPECT_GT(changed, 250);
    EXPECT_LT(changed, 380);
    EXPECT_EQ(dot.pixel(anchor + QPoint(3, 3)),
              perChannel(plain.pixel(anchor + QPoint(3, 3)), [](int s, int p) { return s & p; }));
}

// The marker tints letters like a highlighter; a flash shows it inverted. (NotXorPen is
// checked over a whole long line below.)
TEST(BoardPainting, MarkerAndFlashApplyTheirRasterOperationToEveryPixel) {
    const Check mask = underLine(DrawMode::MaskPen, [](int s, int p) { return s & p; });
    EXPECT_GT(mask.letterPixels, 20);
    EXPECT_GT(mask.backgroundPixels, 200);
    EXPECT_EQ(mask.mismatches, 0);
    EXPECT_EQ(underLine(DrawMode::NotMaskPen, [](int s, int p) { return ~(s & p); }).mismatches, 0);
}

TEST(BoardPainting, ALongLineInvertsEachPixelUnderItExactlyOnce) {
    // From the top left to the bottom right of the grid: several hundred rows at either ratio.
    for (const qreal ratio : {1.0, 2.0}) {
        BoardModel model = rowUnderLine(DrawMode::NotXorPen);
        model.lines[1].p1 = board_geometry::cellCentre(1);
        model.lines[1].p2 = board_geometry::cellCentre(345);
        auto painted = [&](bool visible, bool maskOnly) {
            QImage image(QSize(782, 505) * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::white);
            QPainter painter(&image);
            model.lines[1].visible = visible;
            if (maskOnly) {  // the pixels the line covers, in black
                const BoardLine& line = model.lines[1];
                painter.setPen(QPen(Qt::black, 20, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(twips::point(line.p1.x(), line.p1.y()),
                                 twips::point(line.p2.x(), line.p2.y()));
            } else {
                paintBoardModel(painter, model);
            }
            return image;
        };
        const QImage plain = painted(false, false);
        const QImage lined = painted(true, false);
        const QImage mask = painted(false, true);
        int covered = 0;
        int wrong = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const bool under = qGray(mask.pixel(x, y)) < 128;
                covered += under;
                const QRgb expected =
                    under ? perChannel(plain.pixel(x, y), [](int s, int p) { return ~(s ^ p); })
                          : plain.pixel(x, y);
                wrong += (lined.pixel(x, y) & 0xffffff) != (expected & 0xffffff);
            }
        }
        EXPECT_GT(covered, 5000 * ratio * ratio) << ratio;
        EXPECT_EQ(wrong, 0) << ratio;
    }
}

TEST(BoardPainting, WindowPaintsTheGameItShows) {
    TestGame game(eightWords(), ShowMode::Blanks);
    game.select(21, 61);
    game.press(200);
    game.moveOver(180);
    const BoardModel& model = game.model();
    EXPECT_TRUE(model.entries[2].struck);
    EXPECT_EQ(model.entries[2].caption, "BEE");  // Blanks shows a word once struck
    EXPECT_EQ(model.entries[3].caption, QString());
    EXPECT_EQ(model.lines[2].p2, board_geometry::cellCentre(180));  // the open selection
    EXPECT_EQ(model.cells[22].caption, "Z");
    const QImage grabbed = game.board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage painted = paint(model);
    ASSERT_EQ(grabbed.size(), painted.size());
    EXPECT_EQ(grabbed, painted);
}

TEST(StaticBoardCache, PaintsWhatAFreshPaintShowsAfterEveryChange) {
    BoardModel model = rowUnderLine(DrawMode::MaskPen);
    model.entries[1].font = defaultEntryFont();
    model.entries[1].caption = QStringLiteral("ANT");
    StaticBoardCache cache;
    const QSize size(782, 505);
    auto image = [&](qreal ratio) {
        QImage result(size * ratio, QImage::Format_RGB32);
        result.setDevicePixelRatio(ratio);
        return result;
    };
    auto cached = [&](qreal ratio = 1) {
        QImage result = image(ratio);
        QPainter painter(&result);
        cache.paint(painter, model, size, ratio, QRect(QPoint(0, 0), size));
        return result;
    };
    auto fresh = [&](qreal ratio = 1) {
        QImage result = image(ratio);
        QPainter painter(&result);
        paintBoardModel(painter, model);
        return result;
    };
    EXPECT_EQ(cached(), fresh());
    EXPECT_EQ(cache.rebuilds(), 1);

    // Moving the selection and flashing a line leave the static board alone.
    model.lines[1].visible = true;
    model.lines[1].p2 = board_geometry::cellCentre(85);
    EXPECT_EQ(cached(), fresh());
    model.lines[1].mode = DrawMode::NotXorPen;
    EXPECT_EQ(cached(), fresh());
    EXPECT_EQ(cache.rebuilds(), 1);

    // A found or flashing entry, a font, a letter, the title and the pixel ratio each show.
    const std::vector<std::function<void()>> changes = {
        [&] { model.entries[1].struck = true; },
        [&] { model.entries[1].color = QColor(255, 0, 0); },
        [&] { model.cells[200].font.setBold(true); },
        [&] { model.cells[7].caption = QStringLiteral("Q"); },
        [&] { model.title = QStringLiteral("Birds"); },
    };
    int rebuilds = 1;
    for (const auto& change : changes) {
        change();
        EXPECT_EQ(cached(), fresh());
        EXPECT_EQ(cache.rebuilds(), ++rebuilds);
    }
    EXPECT_EQ(cached(2), fresh(2));
    EXPECT_EQ(cache.rebuilds(), ++rebuilds);
}
