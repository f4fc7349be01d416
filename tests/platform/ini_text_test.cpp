#include "platform/ini_text.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <iterator>

#include <gtest/gtest.h>

namespace {

// Names and titles as players type them and hand edits leave them.
const QStringList kTexts{"",
                         "B.Marsh",
                         "  blanks around ",
                         "a;b,c=d",
                         "say \"hi\" \\ back",
                         QString("\t\x01") + "Abc\x7f" + "9",
                         "@at",
                         "@@twice",
                         "@Variant(looks serialised)",
                         QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80")};

}  // namespace

// Each text reads back as written, by this program and by Qt's own INI reader (older copies of
// the game), and what Qt writes reads back here.
TEST(IniText, TextsSurviveTheFileBothWays) {
    QTemporaryDir dir;
    const QString ours = dir.filePath("ours.ini");
    const QString qts = dir.filePath("qt.ini");
    QByteArray file = "[F_Times]\n";
    for (int i = 0; i < kTexts.size(); ++i) {
        const QByteArray written = ini::encode(kTexts[i]);
        EXPECT_EQ(ini::decode(written), kTexts[i]) << written.constData();
        file += "K" + QByteArray::number(i) + '=' + written + '\n';
    }
    QFile out(ours);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();
    {
        QSettings qt(qts, QSettings::IniFormat);
        for (int i = 0; i < kTexts.size(); ++i)
            qt.setValue("F_Times/K" + QString::number(i), kTexts[i]);
    }
    QFile in(qts);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const std::optional<ini::Document> fromQt = ini::parse(in.readAll());
    ASSERT_TRUE(fromQt);
    const QSettings qt(ours, QSettings::IniFormat);
    for (int i = 0; i < kTexts.size(); ++i) {
        const QString key = "K" + QString::number(i);
        EXPECT_EQ(qt.value("F_Times/" + key).toString(), kTexts[i]) << i;
        EXPECT_EQ(ini::decode(fromQt->at("F_Times").at(key)), kTexts[i]) << i;
    }
    // A lone surrogate cannot be UTF-8, so it goes as an escape.
    const QString lone(QChar(0xD800));
    EXPECT_EQ(ini::decode(ini::encode(lone + "x")), lone + "x");
}

TEST(IniText, OnlySettingsTextParses) {
    const auto parses = [](const QByteArray& bytes) { return ini::parse(bytes).has_value(); };
    EXPECT_TRUE(parses("\xEF\xBB\xBF; note\r\n[S]\r\nK = v\rL=\n\n# end"));
    EXPECT_EQ(ini::parse("[S]\r\nK = v \r\n")->at("S").at("K"), " v");
    for (const QByteArray& broken :
         {QByteArray("[S]\nK=\0", 7), QByteArray("[S]\nK=\xC3("), QByteArray("[S\nK=v"),
          QByteArray("[S]\nno equals sign"), QByteArray("[S]\n=no key")})
        EXPECT_FALSE(parses(broken)) << broken.constData();
}

// Sorted, and the marker last: a file cut short anywhere lacks it.
TEST(IniText, TheMarkerIsTheLastLine) {
    const ini::Document document{{"F_Times", {{"S1_N", "Ann"}}},
                                 {"Settings", {{"F_RUN", "False"}, {"SOUND", "True"}}},
                                 {"", {{"loose", "1"}}}};
    EXPECT_EQ(ini::serialise(document, "Settings", "F_RUN"),
              "loose=1\n\n[F_Times]\nS1_N=Ann\n\n[Settings]\nSOUND=True\nF_RUN=False\n");
}

// Whatever file the reader takes, what the writer makes of it reads back as the same document:
// a save never leaves a file the next start would refuse. The files are random runs of the
// pieces that matter to the syntax, and random bytes.
TEST(IniText, WhatIsWrittenReadsBackTheSame) {
    const QByteArray pieces[] = {"[",     "]",        "=",  "\n", "\r", "\xEF\xBB\xBF",
                                 ";",     "#",        " ",  "\t", "S",  "Settings",
                                 "F_RUN", "\xC3\xA9", "\"", "\\", "@",  "\xE2\x80\xA8"};
    QRandomGenerator random(33);
    for (int round = 0; round < 50000; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(40); i > 0; --i) {
            if (random.bounded(8) == 0)
                bytes += char(random.bounded(256));
            else
                bytes += pieces[random.bounded(int(std::size(pieces)))];
        }
        const std::optional<ini::Document> document = ini::parse(bytes);
        if (!document) continue;
        const QByteArray written = ini::serialise(*document, "Settings", "F_RUN");
        const std::optional<ini::Document> again = ini::parse(written);
        ASSERT_TRUE(again) << bytes.toPercentEncoding().constData();
        ASSERT_EQ(*again, *document) << bytes.toPercentEncoding().constData();
    }
}
