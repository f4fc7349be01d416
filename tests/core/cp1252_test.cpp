#include "core/cp1252.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

QByteArray allBytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) bytes.append(static_cast<char>(b));
    return bytes;
}

}  // namespace

TEST(Cp1252, EveryByteDecodesToItsOwnCharacterAndBack) {
    const QString text = decodeCp1252(allBytes());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(QSet<QChar>(text.begin(), text.end()).size(), 256);
    EXPECT_EQ(encodeCp1252(text), allBytes());
    // Most of 0x80..0x9F are signs and letters; the bytes the code page leaves undefined keep
    // the C1 control of the same number.
    EXPECT_EQ(decodeCp1252("\x80\x81\x8A\x8D\x92\x9F"),
              QStringLiteral("\u20AC\u0081\u0160\u008D\u2019\u0178"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // U+0080 and U+009F are C1 controls whose bytes the code page uses for other characters.
    EXPECT_EQ(encodeCp1252(u"\u0080\u009F"), QByteArray("??"));
    EXPECT_EQ(encodeCp1252(u"a\u65E5\u672Cb"), QByteArray("a??b"));
    EXPECT_EQ(encodeCp1252(QString::fromUtf8("x\xF0\x9F\x8D\x8Ey")), QByteArray("x?y"));  // pair
    const QChar lone[] = {QChar(0xD83C), QChar('z'), QChar(0xDF4E)};
    EXPECT_EQ(encodeCp1252(QStringView(lone, 3)), QByteArray("?z?"));
    EXPECT_EQ(encodeCp1252(u""), QByteArray());
}
