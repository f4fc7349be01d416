#include "core/guarded_file.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <cerrno>

namespace {

using guarded_file::Links;
using Status = guarded_file::Read::Status;

class GuardedFileTest : public ::testing::Test {
  protected:
    QString put(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};

TEST_F(GuardedFileTest, ReadsRegularFilesUpToTheBoundAndNothingElse) {
    const QString small = put("small", "abc");
    auto read = guarded_file::read(small, 3, Links::Refuse);
    EXPECT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.bytes, "abc");
    EXPECT_TRUE(read.whole);
    read = guarded_file::read(small, 2, Links::Refuse);
    EXPECT_EQ(read.bytes, "ab");
    EXPECT_FALSE(read.whole);
    EXPECT_EQ(guarded_file::read(put("empty", {}), 10, Links::Refuse).whole, true);

    // A gigabyte of nothing costs the bound, not the file.
    const QString sparse = put("sparse", {});
    ASSERT_EQ(::truncate(QFile::encodeName(sparse).constData(), 1LL << 30), 0);
    read = guarded_file::read(sparse, 4096, Links::Follow);
    EXPECT_EQ(read.bytes, QByteArray(4096, '\0'));
    EXPECT_FALSE(read.whole);

    // A pipe with no writer would block an ordinary open for good.
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(small, dir.filePath("link")));
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero")));
    for (const Links links : {Links::Follow, Links::Refuse}) {
        EXPECT_EQ(guarded_file::read(pipe, 10, links).status, Status::NotAFile);
        EXPECT_EQ(guarded_file::read(dir.path(), 10, links).status, Status::NotAFile);
        EXPECT_EQ(guarded_file::read(dir.filePath("zero"), 10, links).status, Status::NotAFile);
        EXPECT_EQ(guarded_file::read(dir.filePath("none"), 10, links).status, Status::Missing);
        EXPECT_EQ(guarded_file::read({}, 10, links).status, Status::Missing);
    }
    EXPECT_EQ(guarded_file::read(dir.filePath("link"), 10, Links::Follow).bytes, "abc");
    EXPECT_EQ(guarded_file::read(dir.filePath("link"), 10, Links::Refuse).status, Status::NotAFile);
}

TEST_F(GuardedFileTest, ReplaceWritesWholeFilesAndNeverThroughALink) {
    const QString path = dir.filePath("new/file");
    EXPECT_EQ(guarded_file::replace(path, "first"), ENOENT);  // no folder
    ASSERT_TRUE(QDir(dir.path()).mkdir("new"));
    EXPECT_EQ(guarded_file::replace(path, "first"), 0);
    EXPECT_EQ(contents(path), "first");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    EXPECT_EQ(guarded_file::replace(path, "second"), 0);
    EXPECT_EQ(contents(path), "second");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.filePath("new")).entryList(QDir::Files), QStringList{"file"});

    // A link planted at the path is replaced; the file it named is left alone.
    const QString other = put("other", "the user's own");
    const QString planted = dir.filePath("planted");
    ASSERT_TRUE(QFile::link(other, planted));
    EXPECT_EQ(guarded_file::replace(planted, "saved"), 0);
    EXPECT_EQ(contents(other), "the user's own");
    EXPECT_EQ(contents(planted), "saved");
    EXPECT_FALSE(QFileInfo(planted).isSymLink());

    // New files of their own: two calls never meet, and only the user may read them.
    QString first, second;
    ASSERT_EQ(guarded_file::createUnique(dir.filePath("job-"), ".pdf", "one", first), 0);
    ASSERT_EQ(guarded_file::createUnique(dir.filePath("job-"), ".pdf", "two", second), 0);
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo(second).fileName().startsWith("job-"));
    EXPECT_EQ(contents(first) + contents(second), "onetwo");
    ASSERT_EQ(::stat(QFile::encodeName(first).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u);

    EXPECT_EQ(guarded_file::remove(planted), 0);
    EXPECT_EQ(guarded_file::remove(planted), 0);  // gone already
    EXPECT_FALSE(QFileInfo::exists(planted));
}

TEST_F(GuardedFileTest, AFailedReplaceLeavesTheOldFileWholeAndSaysWhy) {
    const QString path = put("file", "old");
    {
        const FileSizeLimit full(16);
        EXPECT_EQ(guarded_file::replace(path, QByteArray(100, 'x')), EFBIG);
    }
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(entries(), QStringList{"file"});
    EXPECT_FALSE(guarded_file::describe(EFBIG).isEmpty());

    const ReadOnlyFolder locked(dir.path());
    if (!locked.active()) GTEST_SKIP() << "no way to make a read-only folder here";
    EXPECT_NE(guarded_file::replace(path, "new"), 0);
    EXPECT_NE(guarded_file::remove(path), 0);
    EXPECT_EQ(contents(path), "old");
}

}  // namespace
