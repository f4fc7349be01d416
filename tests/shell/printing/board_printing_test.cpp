#include "shell/printing/board_printing.h"
#include "board/board_window.h"
#include "core/game_session.h"
#include "fake_print_system.h"
#include "platform/twips.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_settings.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

constexpr int kRenderDpi = 50;
const char* const kRow1 = "QUARROWPRINTTESTABCD";

// A game with a known first row: APPLE over cells 1..5, BANANA (revealed, so struck and
// marked) over 41..46, CHERRY over 81..201.
GameSession fruitGame() {
    Puzzle puzzle;
    puzzle.letters.fill(QLatin1Char('Z'));
    for (int c = 0; c < 20; ++c) puzzle.letters[c + 1] = QChar(kRow1[c]);
    puzzle.words = {{"APPLE", {}, 1, 5}, {"BANANA", {}, 41, 46}, {"CHERRY", {}, 81, 201}};
    GameSession game;
    game.generationStarted({"data\\fruit.qrw", "Fruit", "", Level::Medium, ShowMode::Words, false});
    game.generated(puzzle);
    game.revealWord(2);
    return game;
}

void showOnBoard(const GameSession& game, BoardWindow& board) {
    board.showSession(game);
    board.setTitle(QStringLiteral("Fruit"));
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
    void SetUp() override { showOnBoard(game, board); }
    QString tempPath(const QString& name) const { return env.dir.path() + '/' + name; }
    // Prints to a PDF file, as a player without a printer does.
    printing::PrintResult printToPdf(const QString& path, const PrintOptions& options = {}) {
        env.dialogs.answerFile(path);
        return printing::printBoard(env.services, board, game.puzzle(), session, options);
    }
    QString pageText(const QString& pdf, int page) {
        const QString out = tempPath(QStringLiteral("page%1.txt").arg(page));
        if (!runTool("pdftotext",
                     {"-f", QString::number(page), "-l", QString::number(page), pdf, out}))
            return {};
        QFile text(out);
        return text.open(QIODevice::ReadOnly) ? QString::fromUtf8(text.readAll()) : QString();
    }
    TestEnv env;
    GameSession game = fruitGame();
    BoardWindow board{env.state};
    FakePrintSystem* system = new FakePrintSystem;
    PrintSession session{std::unique_ptr<PrintSystem>(system)};
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

TEST(BoardPrintingRules, PdfFileNames) {
    EXPECT_EQ(printing::suggestedPdfPath("/docs", "Fruit/Veg: 2?"), "/docs/Fruit_Veg_ 2_.pdf");
    EXPECT_EQ(printing::suggestedPdfPath("/docs", "  "), "/docs/Quarrow.pdf");
    EXPECT_EQ(printing::withPdfExtension("/docs/board"), "/docs/board.pdf");
    EXPECT_EQ(printing::withPdfExtension("/docs/board.PDF"), "/docs/board.PDF");
}

TEST_F(BoardPrinting, PageHoldsTheBoardScaledAndCentred) {
    board.setZoom(3);  // the page is the same at any zoom
    const QString pdf = tempPath("board.pdf");
    ASSERT_EQ(printToPdf(pdf), printing::PrintResult::Printed);
    ASSERT_TRUE(QFile::exists(pdf));

    ASSERT_TRUE(runTool("pdftoppm", {"-png", "-r", QString::number(kRenderDpi), "-singlefile", pdf,
                                     tempPath("page")}))
        << "pdftoppm (poppler-utils) is needed";
    const QImage page(tempPath("page.png"));
    ASSERT_FALSE(page.isNull());

    // Where the board should be, in the picture's pixels.
    const double toImage = double(kRenderDpi) / 72;
    const QRectF area = printing::pageLayout(session.settings()).paintRect(QPageLayout::Point);
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

    // The strike line over cells 41..46 lets the paper and letters show through: printers have
    // no raster operations, and an opaque pen would hide the word it marks.
    const QPointF from =
        twips::point(board_geometry::cellCentre(42).x(), board_geometry::cellCentre(42).y());
    const QPointF to =
        twips::point(board_geometry::cellCentre(45).x(), board_geometry::cellCentre(45).y());
    const QRect band(onImage.left() + int(from.x() * scale), onImage.top() + int(from.y() * scale),
                     int((to.x() - from.x()) * scale), 1);
    int paperShowing = 0;
    for (int x = band.left(); x <= band.right(); ++x)
        paperShowing += qRed(page.pixel(x, band.top())) > 100;
    EXPECT_GT(paperShowing, band.width() / 3);
}

TEST_F(BoardPrinting, TextStaysTextInThePdf) {
    const QString pdf = tempPath("text.pdf");
    ASSERT_EQ(printToPdf(pdf), printing::PrintResult::Printed);
    const QString content = pageText(pdf, 1);
    ASSERT_FALSE(content.isEmpty()) << "no text in the PDF (pdftotext: poppler-utils)";
    for (const char* expected : {"APPLE", "BANANA", "CHERRY", "Fruit"})
        EXPECT_TRUE(content.contains(expected)) << expected << " in:\n" << content.toStdString();
    QString letters = content;
    letters.remove(QRegularExpression("\\s"));
    EXPECT_TRUE(letters.contains(kRow1)) << content.toStdString();
}

TEST_F(BoardPrinting, WithoutAPrinterThePlayerNamesThePdfEachTime) {
    env.state.puzzleTitle = QStringLiteral("Fruit");
    env.dialogs.answerFile(QString());  // cancelled: nothing printed
    EXPECT_EQ(printing::printBoard(env.services, board, game.puzzle(), session, {}),
              printing::PrintResult::Cancelled);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().kind, ScriptedDialogs::Shown::Kind::SavePdf);
    EXPECT_TRUE(env.dialogs.last().initialDir.endsWith("/Fruit.pdf"));

    EXPECT_EQ(printToPdf(tempPath("named")), printing::PrintResult::Printed);
    EXPECT_TRUE(QFile::exists(tempPath("named.pdf")));
    EXPECT_EQ(printToPdf(QString()), printing::PrintResult::Cancelled) << "asked again";
    EXPECT_TRUE(system->jobs.empty());
    EXPECT_EQ(env.dialogs.unexpected(), 0);
}

TEST_F(BoardPrinting, WithAPrinterTheJobIsQueuedWithoutWaitingOrAsking) {
    session.choose({QStringLiteral("Office"), QPageSize::Letter, QPageLayout::Landscape, 2});
    ASSERT_EQ(printing::printBoard(env.services, board, game.puzzle(), session, {}),
              printing::PrintResult::Printed);
    EXPECT_TRUE(env.dialogs.shown().empty());
    ASSERT_EQ(system->jobs.size(), 1u);
    const PrintJob& job = system->jobs.front();
    EXPECT_EQ(job.printer, "Office");
    EXPECT_EQ(job.copies, 2);
    const QString page = pageText(job.pdfPath, 1);
    if (!page.isEmpty()) {
        EXPECT_TRUE(page.contains("CHERRY")) << page.toStdString();
    }

    // A queue that refuses the job is reported when it says so.
    system->answerJobs(false);
    ASSERT_EQ(env.dialogs.shown().size(), 1u);
    EXPECT_EQ(env.dialogs.last().title, "Print Error");
    QFile::remove(job.pdfPath);
}

// Ink-saving answer page: page 1 is the board as played, page 2 marks every word and lists
// them all; both on white paper with black letters and grey lines only.
TEST_F(BoardPrinting, InkSavingPrintWithAnswerPage) {
    const QString pdf = tempPath("answers.pdf");
    ASSERT_EQ(printToPdf(pdf, {true, true}), printing::PrintResult::Printed);
    const QString first = pageText(pdf, 1);
    ASSERT_FALSE(first.isEmpty()) << "no text in the PDF (pdftotext: poppler-utils)";
    const QString second = pageText(pdf, 2);
    for (const char* word : {"APPLE", "BANANA", "CHERRY"}) {
        EXPECT_TRUE(first.contains(word)) << word;
        EXPECT_TRUE(second.contains(word)) << word;
    }
    EXPECT_TRUE(pageText(pdf, 3).isEmpty()) << "two pages only";

    ASSERT_TRUE(
        runTool("pdftoppm", {"-png", "-r", QString::number(kRenderDpi), pdf, tempPath("ink")}));
    for (const char* name : {"ink-1.png", "ink-2.png"}) {
        const QImage page(tempPath(name));
        ASSERT_FALSE(page.isNull()) << name;
        int dark = 0, grey = 0, coloured = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb p = page.pixel(x, y);
                const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) -
                                   std::min({qRed(p), qGreen(p), qBlue(p)});
                coloured += spread > 24;
                dark += qGray(p) < 80;
                grey += spread <= 24 && qGray(p) > 150 && qGray(p) < 235;
            }
        const int all = page.width() * page.height();
        EXPECT_LT(dark, all / 20) << name << ": no dark backdrop";
        EXPECT_GT(dark, all / 2000) << name << ": black letters";
        EXPECT_EQ(coloured, 0) << name;
        EXPECT_GT(grey, 0) << name << ": grey strike lines";
    }
    // Page 2 draws three lines (18 cells) where page 1 draws one (7 cells): pixels of the line's
    // grey over paper.
    const auto greyCount = [](const QImage& page) {
        int n = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb p = page.pixel(x, y);
                n += qAbs(qRed(p) - 200) < 8 && qAbs(qGreen(p) - 200) < 8 &&
                     qAbs(qBlue(p) - 200) < 8;
            }
        return n;
    };
    EXPECT_GT(greyCount(QImage(tempPath("ink-2.png"))),
              3 * greyCount(QImage(tempPath("ink-1.png"))) / 2);
}

TEST_F(BoardPrinting, FailureIsReportedNotSwallowed) {
    EXPECT_EQ(printToPdf(tempPath("no/such/folder/board.pdf")), printing::PrintResult::Failed);
    const auto& report = env.dialogs.last();
    EXPECT_EQ(report.kind, ScriptedDialogs::Shown::Kind::Message);
    EXPECT_EQ(report.title, "Print Error");
    EXPECT_EQ(report.icon, MsgIcon::Critical);
}

TEST(AnswerModel, MarksEveryWordAndListsThemUnstruck) {
    TestEnv env;
    const GameSession game = fruitGame();
    BoardWindow board(env.state);
    showOnBoard(game, board);
    const BoardModel answers = printing::answerModel(board.model(), game.puzzle());
    for (int i = 1; i <= 3; ++i) {
        const PuzzleWord& word = game.puzzle().word(i);
        EXPECT_TRUE(answers.lines[i].visible) << i;
        EXPECT_EQ(answers.lines[i].p1, board_geometry::cellCentre(word.first));
        EXPECT_EQ(answers.lines[i].p2, board_geometry::cellCentre(word.last));
        EXPECT_EQ(answers.entries[i].caption, word.word);
        EXPECT_FALSE(answers.entries[i].struck) << i;
    }
    EXPECT_FALSE(answers.lines[4].visible);
    EXPECT_TRUE(board.model().entries[2].struck) << "the board itself is untouched";
}
