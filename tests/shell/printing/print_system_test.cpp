#include "shell/printing/print_system.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A stand-in `lp` with the given shell body, first on the PATH while the fixture lives.
class FakeLp : public ::testing::Test {
  protected:
    void install(const QString& body) {
        QFile lp(dir.filePath(QStringLiteral("lp")));
        ASSERT_TRUE(lp.open(QIODevice::WriteOnly));
        lp.write(("#!/bin/sh\n" + body + '\n').toUtf8());
        lp.close();
        lp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dir.path().toUtf8() + ':' + path);
    }
    void TearDown() override { qputenv("PATH", path); }

    PrintJob job(const QString& name) const {
        PrintJob job;
        job.pdfPath = dir.filePath(name);
        job.printer = QStringLiteral("Office");
        job.copies = 2;
        job.title = QStringLiteral("Birds");
        QFile(job.pdfPath).open(QIODevice::WriteOnly);
        return job;
    }

    // An lp stuck on a server that never answers, having started a child of its own, which it
    // names through a FIFO once that child runs.
    void installStuckLp() {
        ASSERT_EQ(mkfifo(fifo().constData(), 0600), 0);
        install(QStringLiteral("sleep 600 & echo $! > '%1'; wait").arg(QString::fromUtf8(fifo())));
    }
    // The child, once the stuck lp has started it; 0 if it never does.
    pid_t childOfStuckLp() {
        const int reader = open(fifo().constData(), O_RDONLY | O_NONBLOCK);
        pollfd started{reader, POLLIN, 0};
        char digits[32] = {};
        const bool told =
            poll(&started, 1, 10'000) == 1 && read(reader, digits, sizeof digits - 1) > 0;
        close(reader);
        return told ? pid_t(std::atoi(digits)) : 0;
    }
    QByteArray fifo() const { return dir.filePath(QStringLiteral("started")).toUtf8(); }

    QTemporaryDir dir;
    const QByteArray path = qgetenv("PATH");
};

// Blocks until the process has ended (or is already gone); false if it outlives `ms`.
bool endsWithin(pid_t pid, int ms) {
    const int fd = int(syscall(SYS_pidfd_open, pid, 0));  // glibc's header lacks C linkage
    if (fd < 0) return errno == ESRCH;
    pollfd ready{fd, POLLIN, 0};
    const bool ended = poll(&ready, 1, ms) == 1;
    close(fd);
    return ended;
}

// Waits, without running the event loop, until `path` is deleted; a minute only bounds a hang.
bool waitUntilDeleted(const QString& path) {
    const int watch = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(watch, QFileInfo(path).absolutePath().toLocal8Bit().constData(), IN_DELETE);
    while (QFile::exists(path)) {
        pollfd ready{watch, POLLIN, 0};
        char events[4096];
        if (poll(&ready, 1, 60'000) <= 0 || read(watch, events, sizeof events) <= 0) break;
    }
    close(watch);
    return !QFile::exists(path);
}

}  // namespace

// The game never runs its event loop here: the job's file is gone once lp has ended.
TEST_F(FakeLp, TheJobFileGoesWithLp) {
    const QString log = dir.filePath(QStringLiteral("lp.log"));
    install(QStringLiteral("echo \"$@\" > '%1'").arg(log));
    const PrintJob printed = job(QStringLiteral("job one.pdf"));
    CupsCommands commands;
    commands.submit(printed, nullptr, [](bool) {});

    EXPECT_TRUE(waitUntilDeleted(printed.pdfPath));
    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(),
              "-d Office -n 2 -t Birds -- " + printed.pdfPath.toUtf8());
}

// Giving up ends lp and everything it started, reports the job as refused and removes its file.
TEST_F(FakeLp, GivingUpEndsLpAndEverythingItStarted) {
    installStuckLp();
    std::function<void()> giveUp;
    CupsCommands commands([&giveUp](QObject*, std::function<void()> end) { giveUp = end; });
    const PrintJob printed = job(QStringLiteral("stuck.pdf"));
    std::optional<bool> accepted;
    QEventLoop loop;
    commands.submit(printed, &loop, [&](bool ok) {
        accepted = ok;
        loop.quit();
    });
    const pid_t child = childOfStuckLp();
    ASSERT_NE(child, 0);

    giveUp();
    QTimer::singleShot(10'000, &loop, &QEventLoop::quit);  // only if the answer never comes
    loop.exec();
    EXPECT_EQ(accepted, false);
    EXPECT_FALSE(QFile::exists(printed.pdfPath));
    EXPECT_TRUE(endsWithin(child, 5'000));
}

// The game quits while lp still waits: nothing of the job outlives it, and nobody is told.
TEST_F(FakeLp, QuittingEndsAStuckLpAndRemovesItsFile) {
    installStuckLp();
    const PrintJob printed = job(QStringLiteral("stuck.pdf"));
    bool told = false;
    pid_t child = 0;
    {
        CupsCommands commands([](QObject*, std::function<void()>) {});
        QObject context;
        commands.submit(printed, &context, [&told](bool) { told = true; });
        child = childOfStuckLp();
        ASSERT_NE(child, 0);
    }
    EXPECT_TRUE(endsWithin(child, 5'000));
    EXPECT_FALSE(QFile::exists(printed.pdfPath));
    EXPECT_FALSE(told);
}
