#include "platform/plain_text.h"
#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QChar kEllipsis(0x2026);

TEST(PlainText, FittedLinesWrapAndCutOnlyTheLastLine) {
    const QFont font(QStringLiteral("DejaVu Sans"), 10);
    const QString words = QStringLiteral("one two three four five six seven eight nine ten");
    EXPECT_EQ(plain_text::fittedLines(words, font, 10000, 3), words);

    const QString two = plain_text::fittedLines(words, font, 80, 2);
    const QStringList lines = two.split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(words.startsWith(lines[0]));
    EXPECT_TRUE(lines[1].endsWith(kEllipsis));

    // An unbreakable run is cut anywhere; a huge one costs no more than a short one.
    const QString run(1'000'000, QLatin1Char('W'));
    const QStringList cut = plain_text::fittedLines(run, font, 80, 3).split('\n');
    ASSERT_EQ(cut.size(), 3);
    EXPECT_TRUE(cut[0].startsWith('W'));
    EXPECT_TRUE(cut[2].endsWith(kEllipsis));
    EXPECT_EQ(plain_text::fitted(QStringLiteral("short"), font, 1000), "short");
}

TEST(PlainText, ToolTipsThatLookLikeMarkupAreEscaped) {
    EXPECT_EQ(plain_text::toolTip(QStringLiteral("Which insect?")), "Which insect?");
    for (const QString& text : {QStringLiteral("<img src=\"/dev/zero\">"),
                                QStringLiteral("&lt;b&gt;"), QString(5000, 'x')}) {
        const QString tip = plain_text::toolTip(text);
        QTextDocument shown;
        shown.setHtml(tip);
        EXPECT_TRUE(Qt::mightBeRichText(tip));
        EXPECT_TRUE(shown.toPlainText().startsWith(text.left(1000))) << text.toStdString();
        EXPECT_LE(shown.toPlainText().size(), 1001);
    }
}

TEST(PlainText, MessageBoxesShowMarkupAsTyped) {
    QtDialogs dialogs;
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QMessageBox*>(widget); shown && shown->isVisible())
                box = shown;
        if (!box) return;
        format = box->textFormat();
        text = box->text();
        box->accept();
    });
    dialogs.message(QStringLiteral("Game Title : <img src=\"/dev/zero\">"), QStringLiteral("T"),
                    MsgButtons::Ok, MsgIcon::Information);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(text, "Game Title : <img src=\"/dev/zero\">");
}

}  // namespace
