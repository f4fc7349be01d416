#include "core/theme_folders.h"
#include "core/theme_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ThemeFoldersTest : public ::testing::Test {
  protected:
    void write(const QString& folder, const QString& name, const QByteArray& bytes) {
        QDir().mkpath(folder);
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir dir;
    ThemeFolders folders{dir.path() + "/shipped", dir.path() + "/user/quarrow/data"};
};

}  // namespace

TEST_F(ThemeFoldersTest, BothFoldersAreListedOnceEachWithThePlayersCopyWinning) {
    write(folders.shipped, "fruit.qrw", "shipped");
    write(folders.shipped, "Birds.QRW", "shipped");
    write(folders.shipped, "notes.txt", "not a theme");
    EXPECT_EQ(folders.list(), QStringList({"Birds.QRW", "fruit.qrw"}));  // no user folder yet
    EXPECT_EQ(folders.resolve("data\\fruit.qrw"), folders.shipped + "/fruit.qrw");

    write(folders.user, "fruit.qrw", "mine");
    write(folders.user, "apples.qrw", "mine");
    EXPECT_EQ(folders.list(), QStringList({"apples.qrw", "Birds.QRW", "fruit.qrw"}));
    EXPECT_EQ(folders.resolve("data\\fruit.qrw"), folders.user + "/fruit.qrw");
    EXPECT_EQ(folders.listPaths(),
              QStringList({folders.user + "/apples.qrw", folders.shipped + "/Birds.QRW",
                           folders.user + "/fruit.qrw"}));
}

TEST_F(ThemeFoldersTest, ABackslashInAListedNameSurvivesTheStoredForm) {
    const QString name = "old\\capitals.qrw";
    write(folders.shipped, name, "Capitals\r\n!Me\r\n#01W\r\nBERLIN\r\n");
    ASSERT_EQ(folders.list(), QStringList({name}));

    const QString path = folders.resolve(storedThemePath(name));
    EXPECT_EQ(path, folders.shipped + "/" + name);
    ASSERT_TRUE(readThemeHeader(path));
    ASSERT_TRUE(readTheme(path));
    EXPECT_EQ(readTheme(path)->words[1], "BERLIN");
}

TEST_F(ThemeFoldersTest, UserFolderIsMadeOnDemand) {
    EXPECT_FALSE(QDir(folders.user).exists());
    EXPECT_TRUE(folders.makeUserFolder());
    EXPECT_TRUE(QDir(folders.user).exists());
    EXPECT_FALSE((ThemeFolders{folders.shipped, {}}.makeUserFolder()));
}
