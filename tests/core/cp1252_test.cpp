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
}

TEST(Cp1252, KnownCharacters) {
    const std::pair<unsigned char, char16_t> pairs[] = {
        {0x41, u'A'},
        {0x00, u'\0'},
        {0x80, u'\u20AC'},
        {0x8A, u'\u0160'},
        {0x92, u'\u2019'},
        {0x9F, u'\u0178'},
        {0xA0, u'\u00A0'},
        {0xE9, u'\u00E9'},
        {0xFF, u'\u00FF'},
        // The bytes the code page leaves undefined keep the C1 control of the same number.
        {0x81, u'\u0081'},
        {0x8D, u'\u008D'},
        {0x8F, u'\u008F'},
        {0x90, u'\u0090'},
        {0x9D, u'\u009D'},
    };
    for (const auto& [byte, character] : pairs) {
        const QByteArray encoded(1, static_cast<char>(byte));
        EXPECT_EQ(decodeCp1252(encoded), QString(QChar(character))) << int(byte);
        EXPECT_EQ(encodeCp1252(QString(QChar(character))), encoded) << int(byte);
    }
    EXPECT_EQ(encodeCp1252(u"Caf\u00E9 \u20AC5"), QByteArray("Caf\xE9 \x80"
                                                             "5"));
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
