#include "shell/printing/print_system.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

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

    for (int i = 0; i < 100 && QFile::exists(job.pdfPath); ++i) QThread::msleep(20);
    EXPECT_FALSE(QFile::exists(job.pdfPath));
    QFile written(log);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().trimmed(), "-d Office -n 2 -t Birds -- " + job.pdfPath.toUtf8());
}
