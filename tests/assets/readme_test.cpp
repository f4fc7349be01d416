#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

// The instructions must tell the player how a selection behaves, since the board itself gives
// no message for a wrong one.

namespace {

QString howToPlay() {
    QFile file(QStringLiteral(QUARROW_SOURCE_DIR "/doc/ReadMe.htm"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("id=\"play\""));
    const qsizetype end = text.indexOf(QStringLiteral("<h2"), start);
    // One line per sentence part, whatever the wrapping of the source.
    return text.mid(start, end - start).simplified();
}

}  // namespace

TEST(ReadMe, TellsThatAWrongSelectionStaysOpenUntilARightClick) {
    const QString play = howToPlay();
    ASSERT_FALSE(play.isEmpty());
    EXPECT_FALSE(play.contains(QStringLiteral("dropped and you can try")));
    EXPECT_TRUE(play.contains(QStringLiteral("the selection stays open")));
    EXPECT_TRUE(play.contains(QStringLiteral("right mouse button")));
}
