#include "board/board_painter.h"

#include "board/board_look.h"
#include "board/board_model.h"
#include "platform/plain_text.h"
#include "platform/twips.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
using namespace board_geometry;

const QColor kLetterColour(64, 64, 64);
const QColor kPaperLineColour(128, 128, 128, 110);
const QColor kLineColour(0, 144, 144);
const QColor kTitleBack(192, 192, 205);
const QColor kCursorOuter(200, 70, 0);
const QColor kCursorInner(255, 255, 255);
constexpr int kLineWidthPixels = 20;
constexpr double kTwipsPerPoint = 20;

// The paper behind the grid reaches 120 twips beyond the outer cells.
const QRectF kPaperTwips(600, 720, 7455, 6735);

QFont onBoard(const QFont& font) {
    QFont result = font;
    if (font.pointSizeF() > 0) {
        const double pixels = font.pointSizeF() * kTwipsPerPoint * twips::pixelsPerTwip();
        result.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    }
    return result;
}

// The font made smaller where its lines are taller than `height` pixels, so that a large
// chosen font never spills onto the neighbouring rows or cells; the chosen size is kept.
QFont fittingHeight(QFont font, qreal height) {
    const qreal lineHeight = QFontMetricsF(font).height();
    if (lineHeight > height && font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(font.pixelSize() * height / lineHeight)));
    return font;
}

QRectF pixels(const QRectF& r) {
    return twips::rectF(r.x(), r.y(), r.width(), r.height());
}

// Text centred in a box, or, when it is wider than the box, its start with an ellipsis.
void drawFitted(QPainter& p, const QRectF& box, const QString& text) {
    p.drawText(box, Qt::AlignCenter, plain_text::fitted(text, p.font(), box.width()));
}

void drawBackdrop(QPainter& p) {
    const QRectF all = twips::rectF(0, 0, kClientWidth, kClientHeight);
    QLinearGradient base(all.topLeft(), all.bottomLeft());
    base.setColorAt(0, QColor(46, 72, 94));
    base.setColorAt(1, QColor(22, 38, 54));
    p.fillRect(all, base);
    p.fillRect(all, QBrush(QColor(255, 255, 255, 9), Qt::BDiagPattern));
    QRadialGradient glow(all.topLeft() + QPointF(all.width() * 0.3, 0), all.width() * 0.7);
    glow.setColorAt(0, QColor(255, 255, 255, 34));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(all, glow);
}

void drawRaisedPanel(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    const double radius = twips::toPixels(90);
    for (int i = 3; i >= 1; --i) {  // soft drop shadow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22 * (4 - i)));
        p.drawRoundedRect(
            r.translated(i * 0.8, i * 1.2).adjusted(-i * 0.5, -i * 0.5, i * 0.5, i * 0.5), radius,
            radius);
    }
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.setPen(QPen(QColor(70, 60, 40, 140), 1));
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);
}

void drawGridPaper(QPainter& p) {
    drawRaisedPanel(p, pixels(kPaperTwips), QColor(252, 250, 244), QColor(238, 234, 222));
    // A faint chequer keeps rows and columns easy to follow without competing with letters.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 110, 10));
    for (int n = 1; n <= grid::kCells; ++n) {
        if ((grid::rowOf(n) + grid::columnOf(n)) % 2 == 0) continue;
        p.drawRect(twips::rectF(cellLeft(n) + 7.5, cellTop(n) + 7.5, 360, 360));
    }
}

// The screen's panels and backdrop give way to white paper with a thin outline.
void drawPaperPanel(QPainter& p, const QRectF& r) {
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
}

void drawPaperTitle(QPainter& p, const QString& title) {
    p.setFont(onBoard(titleFont()));
    p.setPen(Qt::black);
    drawFitted(p, twips::rectF(kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight), title);
}

// High Contrast: white letters on a black band, without the shadow that blurs them.
void drawHighContrastTitle(QPainter& p, const QString& title) {
    const QRectF band = twips::rectF(kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight);
    p.fillRect(band, Qt::black);
    QFont font = onBoard(titleFont());
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    drawFitted(p, band, title);
}

void drawTitle(QPainter& p, const QString& title) {
    const QRectF band = twips::rectF(kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight);
    const QRectF shadow = band.translated(0, twips::toPixels(kShadowOffset));
    p.fillRect(band.united(shadow), kTitleBack);
    p.fillRect(QRectF(band.left(), band.top(), band.width(), 1), QColor(235, 235, 245));
    p.setFont(onBoard(titleFont()));
    p.setPen(QColor(0, 0, 0));
    drawFitted(p, shadow, title);
    p.setPen(QColor(255, 255, 255));
    drawFitted(p, band, title);
}

void drawLetters(QPainter& p, const BoardModel& model, BoardInk ink) {
    const bool black = ink == BoardInk::Paper || model.look.highContrast;
    p.setPen(black ? QColor(Qt::black) : kLetterColour);
    for (int n = 1; n <= grid::kCells; ++n) {
        const BoardCell& cell = model.cells[n];
        if (cell.caption.isEmpty()) continue;
        const QRectF box = twips::rectF(cellLeft(n), cellTop(n), kCellSize, kCellSize);
        p.setFont(fittingHeight(onBoard(cell.font), box.height()));
        p.drawText(box, Qt::AlignCenter, cell.caption);
    }
}

// Colour Found Words marks a found entry as a highlighter would, in its line's colour.
void drawEntryMark(QPainter& p, const QRectF& box, int slot) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(board_look::foundColour(slot));
    p.drawRoundedRect(box.adjusted(4, -1, -4, 1), 4, 4);
    p.restore();
}

void drawWordList(QPainter& p, const BoardModel& model, BoardInk ink) {
    const QRectF panel = twips::rectF(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    if (ink == BoardInk::Paper || model.look.highContrast)
        drawPaperPanel(p, panel);
    else
        drawRaisedPanel(p, panel, QColor(250, 247, 238), QColor(232, 226, 210));
    // Two fine rules head the list; faint guides separate the rows.
    p.setPen(QPen(QColor(120, 100, 70, 110), 1));
    for (double y : {240.0, 300.0}) {
        const QPointF left = twips::point(kPanelLeft + 240, y);
        const QPointF right = twips::point(kPanelLeft + kPanelWidth - 240, y);
        p.drawLine(left, right);
    }
    p.setPen(QPen(QColor(120, 100, 70, 40), 1));
    for (int i = 1; i < kMaxWords; ++i) {
        const double y = entryRect(i).bottom() + 52;
        p.drawLine(twips::point(kPanelLeft + 360, y),
                   twips::point(kPanelLeft + kPanelWidth - 360, y));
    }
    for (int i = 1; i <= kMaxWords; ++i) {
        const BoardEntry& entry = model.entries[i];
        if (entry.caption.isEmpty()) continue;
        const QRectF box = pixels(entryRect(i));
        QFont font = fittingHeight(onBoard(entry.font), box.height());
        font.setStrikeOut(entry.struck);
        p.setFont(font);
        if (ink == BoardInk::Screen && model.look.colourFound && entry.struck)
            drawEntryMark(p, box, i);
        p.setPen(ink == BoardInk::Paper ? QColor(Qt::black) : entry.color);
        p.drawText(box, Qt::AlignCenter, entryText(entry, model.look, font, box.width()));
    }
}

QPainter::CompositionMode rasterOp(DrawMode mode) {
    switch (mode) {
        case DrawMode::NotMaskPen:
            return QPainter::RasterOp_NotSourceOrNotDestination;
        case DrawMode::NotXorPen:
            return QPainter::RasterOp_NotSourceXorDestination;
        case DrawMode::MaskPen:
            break;
    }
    return QPainter::RasterOp_SourceAndDestination;
}

QColor lineColour(const BoardLine& line, const BoardLook& look) {
    if (look.highContrast) return board_look::highContrastLine();
    if (look.colourFound && line.slot != 0) return board_look::foundColour(line.slot);
    return kLineColour;
}

// Devices without raster operations (PDF, printers) get a translucent marker instead, which
// keeps the letters under it readable.
QColor translucentStandIn(const QColor& pen, DrawMode mode) {
    QColor colour = mode == DrawMode::MaskPen
                        ? pen
                        : QColor(255 - pen.red(), 255 - pen.green(), 255 - pen.blue());
    colour.setAlpha(110);
    return colour;
}

// The raster engine hands a fill of 96 rows or more to worker threads; for a marker line
// waking them costs more than the drawing, so a taller line is drawn in bands of 64 device rows.
// Bands must tile exactly (the flash modes are not idempotent), so only a painter whose device rows
// fall on whole logical rows is banded.
void drawInBands(QPainter& p, const QRect& bounds, const std::function<void()>& draw) {
    const QTransform& toDevice = p.deviceTransform();
    const double scale = toDevice.m22();
    const bool wholeRows = toDevice.type() <= QTransform::TxScale && scale >= 1 &&
                           scale == std::floor(scale) && toDevice.dy() == std::floor(toDevice.dy());
    const int rows = static_cast<int>(64 / std::max(1.0, scale));
    if (!wholeRows || bounds.height() * scale < 96) {
        draw();
        return;
    }
    for (int top = bounds.top(); top <= bounds.bottom(); top += rows) {
        p.save();
        p.setClipRect(QRect(bounds.left(), top, bounds.width(), rows), Qt::IntersectClip);
        draw();
        p.restore();
    }
}

void drawStrikeLines(QPainter& p, const BoardModel& model, const QRect& area, BoardInk ink) {
    // The PDF engine claims raster operations but draws them as plain opaque pen strokes.
    const bool rasterOps = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 1; k <= kMaxWords; ++k) {
        const BoardLine& line = model.lines[k];
        if (!line.visible) continue;
        const QRect bounds = strikeLineBounds(line);
        if (!line.visible || (!area.isNull() && !area.intersects(bounds))) continue;
        const QColor pen = lineColour(line, model.look);
        const QColor colour = ink == BoardInk::Paper ? kPaperLineColour
                              : rasterOps            ? pen
                                                     : translucentStandIn(pen, line.mode);
        p.setCompositionMode(rasterOps && ink == BoardInk::Screen
                                 ? rasterOp(line.mode)
                                 : QPainter::CompositionMode_SourceOver);
        const QPointF from = twips::point(line.p1.x(), line.p1.y());
        const QPointF to = twips::point(line.p2.x(), line.p2.y());
        if (from == to) {
            // A fresh selection has no length yet, and a zero-length line is not drawn: its
            // anchor shows as the dot a marker pen leaves.
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawEllipse(from, kLineWidthPixels / 2.0, kLineWidthPixels / 2.0);
            p.setBrush(Qt::NoBrush);
            continue;
        }
        // Round ends, as a marker pen leaves them: the end letters are covered too.
        p.setPen(QPen(colour, kLineWidthPixels, Qt::SolidLine, Qt::RoundCap));
        if (rasterOps) {
            drawInBands(p, area.isNull() ? bounds : bounds.intersected(area),
                        [&] { p.drawLine(from, to); });
        } else {
            p.drawLine(from, to);
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
}  // namespace

QString entryText(const BoardEntry& entry, const BoardLook& look, const QFont& font, double width) {
    if (!look.showAnswers || !entry.struck || entry.tag.isEmpty() || entry.caption == entry.tag)
        return plain_text::fitted(entry.caption, font, width);
    // The question is cut short where both do not fit, so the word always shows.
    const QString answer = QStringLiteral(" \u2013 ") + entry.tag;
    const double room = width - QFontMetricsF(font).horizontalAdvance(answer);
    return plain_text::fitted(entry.caption, font, std::max(0.0, room)) + answer;
}

QRect strikeLineBounds(const BoardLine& line) {
    const QRectF ends(twips::point(line.p1.x(), line.p1.y()),
                      twips::point(line.p2.x(), line.p2.y()));
    const int reach = kLineWidthPixels / 2 + 2;
    return ends.normalized().toAlignedRect().adjusted(-reach, -reach, reach, reach);
}

QRect cellCursorBounds(int n) {
    return twips::rectF(cellLeft(n), cellTop(n), kCellSize, kCellSize)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

void paintCellCursor(QPainter& painter, int n) {
    if (!isCell(n)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    // Dark outside and light inside, so the frame shows on paper and on a marker line alike.
    const QRectF cell = twips::rectF(cellLeft(n), cellTop(n), kCellSize, kCellSize);
    painter.setPen(QPen(kCursorOuter, 2.5));
    painter.drawRoundedRect(cell, 4, 4);
    painter.setPen(QPen(kCursorInner, 1));
    painter.drawRoundedRect(cell.adjusted(2, 2, -2, -2), 3, 3);
    painter.restore();
}

void paintStaticBoard(QPainter& painter, const BoardModel& model, BoardInk ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (ink == BoardInk::Paper) {
        painter.fillRect(twips::rectF(0, 0, kClientWidth, kClientHeight), Qt::white);
        drawPaperTitle(painter, model.title);
        drawPaperPanel(painter, pixels(kPaperTwips));
    } else if (model.look.highContrast) {
        painter.fillRect(twips::rectF(0, 0, kClientWidth, kClientHeight), Qt::black);
        drawHighContrastTitle(painter, model.title);
        drawPaperPanel(painter, pixels(kPaperTwips));
    } else {
        drawBackdrop(painter);
        drawTitle(painter, model.title);
        drawGridPaper(painter);
    }
    drawLetters(painter, model, ink);
    drawWordList(painter, model, ink);
    painter.restore();
}

void paintStrikeLines(QPainter& painter, const BoardModel& model, const QRect& area, BoardInk ink) {
    painter.save();
    drawStrikeLines(painter, model, area, ink);
    painter.restore();
}

void paintBoardModel(QPainter& painter, const BoardModel& model, BoardInk ink) {
    paintStaticBoard(painter, model, ink);
    paintStrikeLines(painter, model, QRect(), ink);
}

void paintCover(QPainter& painter, const BoardModel& model, const QString& text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawBackdrop(painter);
    drawTitle(painter, model.title);
    const QRectF paper = pixels(kPaperTwips);
    drawRaisedPanel(painter, paper, QColor(252, 250, 244), QColor(238, 234, 222));
    painter.setFont(onBoard(titleFont()));
    painter.setPen(kLetterColour);
    painter.drawText(paper, Qt::AlignCenter, text);
    painter.restore();
}
