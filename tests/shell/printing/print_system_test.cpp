#include "shell/printing/print_system.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

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

// With a stand-in `lp` on the path: the job's file is gone once lp has ended, whether or not
// the game is still there to clean up (here it never runs its event loop).
TEST(CupsCommands, TheJobFileGoesWithLpEvenIfTheGameIsGone) {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("lp.log"));
    QFile lp(dir.filePath(QStringLiteral("lp")));
    ASSERT_TRUE(lp.open(QIODevice::WriteOnly));
    lp.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(log).toUtf8());
    lp.close();
    lp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + path);

    PrintJob job;
    job.pdfPath = dir.filePath(QStringLiteral("job one.pdf"));
    job.printer = QStringLiteral("Office");
    job.copies = 2;
    job.title = QStringLiteral("Birds");
    QFile(job.pdfPath).open(QIODevice::WriteOnly);
    CupsCommands().submit(job, nullptr, [](bool) {});
    qputenv("PATH", path);

    EXPECT_TRUE(waitUntilDeleted(job.pdfPath));
    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), "-d Office -n 2 -t Birds -- " + job.pdfPath.toUtf8());
}
