#include "board/board_window.h"
#include "core/game_session.h"
#include "shell/printing/board_printing.h"
#include "shell/printing/print_dialog.h"
#include "shell/printing/print_session.h"
#include "shell/printing/print_settings.h"
#include "shell/printing/print_setup_dialog.h"
#include "shell/printing/print_system.h"
#include "support/test_env.h"

#include "service_events.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRadioButton>
#include <QTimer>

#include <csignal>
#include <functional>

// Printing against a real CUPS queue, for scripts/check-services, which starts a print server
// of its own, names the queue and the file its device writes each job into.
namespace {

const QString kQueue = qEnvironmentVariable("QUARROW_PRINT_QUEUE");
const QString kPrinted = qEnvironmentVariable("QUARROW_PRINT_FILE");

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The queue's jobs that `which` ("completed", "all") names, as lpstat lists them.
int jobCount(const QString& which) {
    return int(runTool(QStringLiteral("lpstat"), {"-W", which, "-o", kQueue})
                   .split('\n', Qt::SkipEmptyParts)
                   .size());
}

// Counts the jobs the game hands to the print system.
struct CountingCups : CupsCommands {
    void submit(const PrintJob& job, QObject* context,
                std::function<void(bool accepted)> done) override {
        ++submitted;
        CupsCommands::submit(job, context, std::move(done));
    }
    int submitted = 0;
};

struct RealPrint : ::testing::Test {
    void SetUp() override {
        if (kQueue.isEmpty() || kPrinted.isEmpty()) GTEST_SKIP() << "run by scripts/check-services";
        const QString row = QStringLiteral("PRINTCHECKABCDEFGHIJ");
        Puzzle puzzle;
        puzzle.letters.fill(QLatin1Char('Z'));
        for (int c = 0; c < 20; ++c) puzzle.letters[c + 1] = row[c];
        puzzle.words = {{QStringLiteral("PRINTCHECK"), {}, 1, 10}};
        game.generationStarted(
            {"data\\check.qrw", "Queue check", "", Level::Medium, ShowMode::Words, false});
        game.generated(puzzle);
        board.showSession(game);
        board.setTitle(QStringLiteral("Queue check"));
        completedBefore = jobCount(QStringLiteral("completed"));
    }
    // Whether the server has finished one more job, whose output the device has then written.
    bool nextJobPrinted() {
        return runEventsUntil(
            [this] { return jobCount(QStringLiteral("completed")) > completedBefore; }, 60'000);
    }
    TestEnv env;
    GameSession game;
    BoardWindow board{env.state};
    CountingCups* cups = new CountingCups;
    PrintSession session{std::unique_ptr<PrintSystem>(cups)};
    int completedBefore = 0;
};

}  // namespace

TEST_F(RealPrint, SetupChoosesTheQueueAndOnlyPrintNowPrints) {
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

    EXPECT_EQ(cups->submitted, 0) << "set-up printed something";

    const int jobsBefore = jobCount(QStringLiteral("all"));
    ASSERT_EQ(printing::printBoard(env.services, board, game.puzzle(), session, {true, true}),
              printing::PrintResult::Printed);
    ASSERT_TRUE(nextJobPrinted()) << "nothing reached the queue";
    EXPECT_EQ(jobCount(QStringLiteral("all")), jobsBefore + 1);
    const QString info = runTool(QStringLiteral("pdfinfo"), {kPrinted});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\b"))) << info.toStdString();
    // Landscape: the board, wider than tall, lies along the sheet's long side, whether the
    // queue hands out a landscape sheet or turns the page a quarter on upright paper.
    const QString png = env.dir.path() + QStringLiteral("/queued");
    runTool(QStringLiteral("pdftoppm"),
            {"-png", "-r", "20", "-f", "1", "-l", "1", "-singlefile", kPrinted, png});
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
    // Both came back while the server was still stopped. A call that waits on it would wait
    // for as long as it stays stopped, or for a client's time-out of a minute; a busy machine
    // takes a fraction of these bounds.
    EXPECT_LT(printMs, 5000);
    EXPECT_LT(setupMs, 5000);
    EXPECT_EQ(cups->submitted, 1);
    // The job was only waiting: it arrives once the server runs again.
    EXPECT_TRUE(nextJobPrinted());
    EXPECT_TRUE(env.dialogs.shown().empty());
}
