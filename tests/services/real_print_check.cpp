#include "board/board_window.h"
#include "core/game_session.h"
#include "shell/printing/board_printing.h"
#include "shell/printing/print_dialog.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_settings.h"
#include "shell/printing/print_setup_dialog.h"
#include "shell/printing/print_system.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <functional>

// Printing against a real CUPS queue that writes PDF files, for scripts/check-services, which
// starts the server, names the queue and says where its files land.
namespace {

const QString kQueue = qEnvironmentVariable("QUARROW_PRINT_QUEUE");
const QString kOutput = qEnvironmentVariable("QUARROW_PRINT_OUT");

bool runEventsUntil(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

QStringList printedFiles() {
    return QDir(kOutput).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct RealPrint : ::testing::Test {
    void SetUp() override {
        if (kQueue.isEmpty() || kOutput.isEmpty()) GTEST_SKIP() << "run by scripts/check-services";
        const QString row = QStringLiteral("PRINTCHECKABCDEFGHIJ");
        Puzzle puzzle;
        puzzle.letters.fill(QLatin1Char('Z'));
        for (int c = 0; c < 20; ++c) puzzle.letters[c + 1] = row[c];
        puzzle.words = {{QStringLiteral("PRINTCHECK"), {}, 1, 10}};
        game.generationStarted({"data\\check.qrw", "Queue check", "", 2, 1, false});
        game.generated(puzzle);
        board.showSession(game);
        board.setTitle(QStringLiteral("Queue check"));
    }
    // Waits for a file the queue writes beyond `before` to be complete, and returns its path.
    QString nextPrintedFile(int before) {
        if (!runEventsUntil([before] { return printedFiles().size() > before; }, 30'000)) return {};
        const QString path = kOutput + '/' + printedFiles().constFirst();
        qint64 size = -1;
        runEventsUntil(
            [&path, &size] {
                QThread::msleep(250);
                const qint64 now = QFileInfo(path).size();
                const bool settled = now > 0 && now == size;
                size = now;
                return settled;
            },
            10'000);
        return path;
    }
    TestEnv env;
    GameSession game;
    BoardWindow board{env.state};
    PrintSession session{std::make_unique<CupsCommands>()};
};

}  // namespace

TEST_F(RealPrint, SetupChoosesTheQueueAndOnlyPrintNowPrints) {
    const int before = int(printedFiles().size());
    // The real set-up dialog: wait for the print system's list, take the queue, landscape, OK.
    QTimer chooser;
    chooser.setInterval(20);
    QObject::connect(&chooser, &QTimer::timeout, [&chooser] {
        auto* setup = qobject_cast<PrintSetupDialog*>(QApplication::activeModalWidget());
        if (!setup || setup->printerBox()->findData(kQueue) < 0) return;
        chooser.stop();
        setup->printerBox()->setCurrentIndex(setup->printerBox()->findData(kQueue));
        setup->landscapeButton()->setChecked(true);
        setup->accept();
    });
    chooser.start();
    QTimer::singleShot(15'000, [] {
        if (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    });
    printing::runPrintSetup(session, nullptr);
    ASSERT_EQ(session.settings().printer, kQueue) << "the queue was never listed";
    EXPECT_EQ(session.settings().orientation, QPageLayout::Landscape);

    runEventsUntil([] { return false; }, 1500);
    EXPECT_EQ(printedFiles().size(), before) << "set-up printed something";

    ASSERT_EQ(printing::printBoard(env.services, board, game.puzzle(), session, {true, true}),
              printing::PrintResult::Printed);
    const QString printed = nextPrintedFile(before);
    ASSERT_FALSE(printed.isEmpty()) << "nothing reached the queue";
    const QString info = runTool(QStringLiteral("pdfinfo"), {printed});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\b"))) << info.toStdString();
    // The queue puts a landscape page on upright paper turned a quarter: the board, wider
    // than tall, then stands taller than wide on the sheet.
    const QString png = env.dir.path() + QStringLiteral("/queued");
    runTool(QStringLiteral("pdftoppm"),
            {"-png", "-r", "20", "-f", "1", "-l", "1", "-singlefile", printed, png});
    const QImage page(png + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 245) inked |= QRect(x, y, 1, 1);
    const bool uprightSheet = page.height() > page.width();
    EXPECT_NE(inked.height() > inked.width(), !uprightSheet)
        << "board " << inked.width() << "x" << inked.height() << " on a sheet " << page.width()
        << "x" << page.height();
    EXPECT_TRUE(env.dialogs.shown().empty());
}

TEST_F(RealPrint, AStoppedServerNeverHoldsTheWindow) {
    const pid_t server = pid_t(qEnvironmentVariableIntValue("QUARROW_CUPSD_PID"));
    ASSERT_GT(server, 0);
    session.choose({kQueue, QPageSize::A4, QPageLayout::Portrait, 1});
    const int before = int(printedFiles().size());

    ASSERT_EQ(::kill(server, SIGSTOP), 0);
    QElapsedTimer clock;
    clock.start();
    {
        PrintDialog dialog(env.services, board, game.puzzle(), session);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.printNow();
    }
    const qint64 printMs = clock.elapsed();
    clock.restart();
    QTimer::singleShot(100, [] { QApplication::activeModalWidget()->close(); });
    printing::runPrintSetup(session, nullptr);
    const qint64 setupMs = clock.elapsed() - 100;
    ::kill(server, SIGCONT);

    std::printf("   open + Print Now with the server stopped: %lld ms; set-up: %lld ms\n", printMs,
                setupMs);
    EXPECT_LT(printMs, 1000);
    EXPECT_LT(setupMs, 1000);
    // The job was only waiting: it arrives once the server runs again.
    EXPECT_FALSE(nextPrintedFile(before).isEmpty());
    EXPECT_TRUE(env.dialogs.shown().empty());
}
