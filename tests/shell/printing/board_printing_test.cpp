#include "shell/printing/board_printing.h"
#include "board/board_window.h"
#include "platform/twips.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr int kRenderDpi = 50;
const char* const kRow1 = "QUARROWPRINTTESTABCD";

// A board with a known first row, three list entries (one struck) and one strike line.
void fillBoard(BoardWindow& board) {
    BoardModel& model = board.model();
    for (int c = 0; c < 20; ++c) model.cells[c + 1].caption = QChar(kRow1[c]);
    model.entries[1].caption = QStringLiteral("APPLE");
    model.entries[2].caption = QStringLiteral("BANANA");
    model.entries[3].caption = QStringLiteral("CHERRY");
    model.entries[2].font.setStrikeOut(true);
    model.lines[1] = {true, board_geometry::cellCentre(1), board_geometry::cellCentre(7),
                      DrawMode::MaskPen};
    model.title = QStringLiteral("Fruit");
    board.modelChanged();
}

std::unique_ptr<QPrinter> pdfPrinterAt(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// Runs a poppler tool; false when it is not installed.
bool runTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return false;
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

// Pixels of `area` darker (or, with `light`, lighter) than mid grey.
int countPixels(const QImage& image, const QRect& area, bool light) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += light ? qGray(image.pixel(x, y)) > 200 : qGray(image.pixel(x, y)) < 110;
    return count;
}

class BoardPrinting : public ::testing::Test {
  protected:
    void SetUp() override { fillBoard(board); }
    QString tempPath(const QString& name) const { return env.dir.path() + '/' + name; }
    TestEnv env;
    BoardWindow board{env.services};
};

}  // namespace

TEST(BoardPrintingRules, FitCentresTheBoardOnThePage) {
    const QRectF portrait = printing::fitCentred({1000, 500}, QRectF(0, 0, 800, 1000));
    EXPECT_EQ(portrait, QRectF(0, 300, 800, 400));
    const QRectF landscape = printing::fitCentred({100, 100}, QRectF(10, 20, 400, 200));
    EXPECT_EQ(landscape, QRectF(110, 20, 200, 200));
    const QRectF empty = printing::fitCentred({0, 0}, QRectF(0, 0, 400, 200));
    EXPECT_TRUE(empty.isEmpty());
}

TEST(BoardPrintingRules, PdfFileIsAskedForOnlyWithoutPrinterOrFileName) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_TRUE(printing::needsPdfFile(pdf, true));
    EXPECT_TRUE(printing::needsPdfFile(pdf, false));
    pdf.setOutputFileName(QStringLiteral("/tmp/chosen.pdf"));
    EXPECT_FALSE(printing::needsPdfFile(pdf, false));

    EXPECT_EQ(printing::suggestedPdfPath("/docs", "Fruit/Veg: 2?"), "/docs/Fruit_Veg_ 2_.pdf");
    EXPECT_EQ(printing::suggestedPdfPath("/docs", "  "), "/docs/Quarrow.pdf");
    EXPECT_EQ(printing::withPdfExtension("/docs/board"), "/docs/board.pdf");
    EXPECT_EQ(printing::withPdfExtension("/docs/board.PDF"), "/docs/board.PDF");
}

TEST_F(BoardPrinting, PageHoldsTheBoardScaledAndCentred) {
    const QString pdf = tempPath("board.pdf");
    const auto printer = pdfPrinterAt(pdf);
    ASSERT_EQ(printing::printBoard(env.services, board, *printer), printing::PrintResult::Printed);
    EXPECT_TRUE(env.dialogs.shown().empty());
    ASSERT_TRUE(QFile::exists(pdf));

    if (!runTool("pdftoppm",
                 {"-png", "-r", QString::number(kRenderDpi), "-singlefile", pdf, tempPath("page")}))
        GTEST_SKIP() << "pdftoppm is not installed";
    const QImage page(tempPath("page.png"));
    ASSERT_FALSE(page.isNull());

    // Where the board should be, in the picture's pixels.
    const double toImage = double(kRenderDpi) / printer->resolution();
    const QRectF area = printer->pageRect(QPrinter::DevicePixel);
    const QRectF target =
        printing::fitCentred(board.clientSizePixels(), QRectF(QPointF(0, 0), area.size()))
            .translated(area.topLeft());
    const QRect onImage(QPoint(int(target.left() * toImage), int(target.top() * toImage)),
                        QPoint(int(target.right() * toImage), int(target.bottom() * toImage)));
    EXPECT_NEAR(onImage.center().x(), page.width() / 2.0, 3);
    EXPECT_NEAR(onImage.center().y(), page.height() / 2.0, 3);
    EXPECT_GT(onImage.width(), page.width() * 0.8);

    // Blank paper above and below the board, the board's dark backdrop at its edge, and dark
    // letters on the light grid paper.
    EXPECT_EQ(qGray(page.pixel(page.width() / 2, onImage.top() - 8)), 255);
    EXPECT_EQ(qGray(page.pixel(page.width() / 2, onImage.bottom() + 8)), 255);
    EXPECT_LT(qGray(page.pixel(onImage.left() + 3, onImage.bottom() - 3)), 110);
    const double scale = onImage.width() / double(board.clientSizePixels().width());
    const QRect grid(onImage.left() + int(60 * scale), onImage.top() + int(70 * scale),
                     int(430 * scale), int(360 * scale));
    const int pixels = grid.width() * grid.height();
    EXPECT_GT(countPixels(page, grid, true), pixels / 2);
    EXPECT_GT(countPixels(page, grid, false), pixels / 50);

    // The strike line over cells 1..7 lets the paper and letters show through: printers have
    // no raster operations, and an opaque pen would hide the word it marks.
    const QPointF from =
        twips::point(board_geometry::cellCentre(2).x(), board_geometry::cellCentre(2).y());
    const QPointF to =
        twips::point(board_geometry::cellCentre(6).x(), board_geometry::cellCentre(6).y());
    const QRect band(onImage.left() + int(from.x() * scale), onImage.top() + int(from.y() * scale),
                     int((to.x() - from.x()) * scale), 1);
    int paperShowing = 0;
    for (int x = band.left(); x <= band.right(); ++x)
        paperShowing += qRed(page.pixel(x, band.top())) > 100;
    EXPECT_GT(paperShowing, band.width() / 3);
}

TEST_F(BoardPrinting, TextStaysTextInThePdf) {
    const QString pdf = tempPath("text.pdf");
    ASSERT_EQ(printing::printBoard(env.services, board, *pdfPrinterAt(pdf)),
              printing::PrintResult::Printed);
    if (!runTool("pdftotext", {pdf, tempPath("text.txt")}))
        GTEST_SKIP() << "pdftotext is not installed";
    QFile text(tempPath("text.txt"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(text.readAll());
    for (const char* expected : {"APPLE", "BANANA", "CHERRY", "Fruit"})
        EXPECT_TRUE(content.contains(expected)) << expected << " in:\n" << content.toStdString();
    QString letters = content;
    letters.remove(QRegularExpression("\\s"));
    EXPECT_TRUE(letters.contains(kRow1)) << content.toStdString();
}

TEST_F(BoardPrinting, WithoutAFileNameThePlayerNamesThePdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    env.state.puzzleTitle = QStringLiteral("Fruit");

    env.dialogs.answerFile(QString());  // cancelled: nothing printed
    EXPECT_EQ(printing::printBoard(env.services, board, printer), printing::PrintResult::Cancelled);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().kind, ScriptedDialogs::Shown::Kind::SavePdf);
    EXPECT_TRUE(env.dialogs.last().initialDir.endsWith("/Fruit.pdf"));

    env.dialogs.answerFile(tempPath("named"));
    EXPECT_EQ(printing::printBoard(env.services, board, printer), printing::PrintResult::Printed);
    EXPECT_TRUE(QFile::exists(tempPath("named.pdf")));
    // The name is not kept: the next print asks again.
    EXPECT_TRUE(printer.outputFileName().isEmpty());
    EXPECT_EQ(env.dialogs.unexpected(), 0);
}

TEST_F(BoardPrinting, FailureIsReportedNotSwallowed) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    env.dialogs.answerFile(tempPath("no/such/folder/board.pdf"));
    EXPECT_EQ(printing::printBoard(env.services, board, printer), printing::PrintResult::Failed);
    const auto& report = env.dialogs.last();
    EXPECT_EQ(report.kind, ScriptedDialogs::Shown::Kind::Message);
    EXPECT_EQ(report.title, "Print Error");
    EXPECT_EQ(report.icon, MsgIcon::Critical);
}
