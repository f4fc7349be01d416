#include "core/game_state.h"
#include "core/theme_check.h"
#include "core/theme_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

// The text of the section whose heading has the given id, one line per sentence part,
// whatever the wrapping of the source.
QString section(const QString& id) {
    QFile file(QStringLiteral(QUARROW_SOURCE_DIR "/doc/ReadMe.htm"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("id=\"%1\"").arg(id));
    if (start < 0) return {};
    const qsizetype end = text.indexOf(QStringLiteral("<h2"), start);
    return text.mid(start, end - start).simplified();
}

}  // namespace

// The board itself gives no message for a wrong selection, so the instructions tell.
TEST(ReadMe, TellsThatAWrongSelectionStaysOpenUntilARightClick) {
    const QString play = section(QStringLiteral("play"));
    ASSERT_FALSE(play.isEmpty());
    EXPECT_FALSE(play.contains(QStringLiteral("dropped and you can try")));
    EXPECT_TRUE(play.contains(QStringLiteral("the selection stays open")));
    EXPECT_TRUE(play.contains(QStringLiteral("right mouse button")));
}

TEST(ReadMe, ThemeFormatStatesWhatTheReadersAccept) {
    const QString format = section(QStringLiteral("format"));
    ASSERT_FALSE(format.isEmpty());
    EXPECT_TRUE(format.contains(QStringLiteral("1 to %1 characters").arg(kLongestGridWord)));
    EXPECT_TRUE(format.contains(QStringLiteral("1 to %1 words").arg(kMaxWords)));
    EXPECT_TRUE(format.contains(QStringLiteral("a line feed alone")));
    EXPECT_FALSE(format.contains(QStringLiteral("every line ends with")));
}

// The instructions name each theme under its subject and mark those a Time Challenge can use.
TEST(ReadMe, ListsEveryShippedThemeAndItsTimeChallengeMark) {
    const QString themes = section(QStringLiteral("themes"));
    ASSERT_FALSE(themes.isEmpty());
    const QDir data(QStringLiteral(QUARROW_SOURCE_DIR "/data"));
    for (const QString& name : data.entryList({QStringLiteral("*.qrw")}, QDir::Files)) {
        const auto header = readThemeHeader(data.filePath(name));
        ASSERT_TRUE(header) << name.toStdString();
        const QRegularExpression entry(
            QStringLiteral("(<dd>|, )%1( \\(20\\))?(,|</dd>)")
                .arg(QRegularExpression::escape(header->title.toHtmlEscaped())));
        const QRegularExpressionMatch listed = entry.match(themes);
        ASSERT_TRUE(listed.hasMatch()) << header->title.toStdString();
        EXPECT_EQ(listed.hasCaptured(2), header->countText == QStringLiteral("20"))
            << header->title.toStdString();
    }
}
