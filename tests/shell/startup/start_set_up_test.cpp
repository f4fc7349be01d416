#include "shell/startup/start_set_up.h"
#include "board/board_window.h"
#include "shell/startup/warranty.h"
#include "support/recording_settings.h"
#include "support/test_env.h"

#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

class SetupQrwTest : public ::testing::Test {
  protected:
    // The same services as the environment's, writing into the recording store.
    Services recordingServices() { return env.withStore(recording); }
    QStringList storedKeys() const {
        return QSettings(env.settings->fileName(), QSettings::IniFormat).allKeys();
    }
    void expectWarrantyAsked() const {
        ASSERT_EQ(env.dialogs.shown().size(), 1u);
        const auto& box = env.dialogs.last();
        EXPECT_EQ(box.text, warrantyText() + QChar(13) + QChar(13) + "Do you want to continue?");
        EXPECT_EQ(box.title, "Warranty");
        EXPECT_EQ(box.buttons, MsgButtons::YesNo);
        EXPECT_EQ(box.icon, MsgIcon::Information);
    }

    TestEnv env;
    RecordingSettings recording;
};

TEST_F(SetupQrwTest, DecliningTheWarrantyWritesNothing) {
    BoardWindow board(env.state);
    env.dialogs.answerMessage(MsgAnswer::No);
    EXPECT_FALSE(setUpAtStart(env.services, board).proceed);
    expectWarrantyAsked();
    EXPECT_TRUE(env.state.firstRun);
    EXPECT_TRUE(storedKeys().isEmpty());

    // The next start asks again.
    env.dialogs.clear();
    env.dialogs.answerMessage(MsgAnswer::No);
    EXPECT_FALSE(setUpAtStart(env.services, board).proceed);
    expectWarrantyAsked();
}

TEST_F(SetupQrwTest, AcceptingTheWarrantyWritesEveryDefaultInOrder) {
    Services services = recordingServices();
    BoardWindow board(services.state);
    env.dialogs.answerMessage(MsgAnswer::Yes);
    const SetupResult result = setUpAtStart(services, board);
    EXPECT_TRUE(result.proceed);
    EXPECT_TRUE(result.soundChecked);
    expectWarrantyAsked();

    // Every default once, in one trip to the disk; the order is the store's business.
    const QStringList writes = recording.writes();
    EXPECT_EQ(writes.size(), 45);  // 15 settings and the 30 cells of the fastest times
    EXPECT_EQ(QSet<QString>(writes.begin(), writes.end()).size(), writes.size());
    for (const char* expected :
         {"Settings/F_RUN=False", "Settings/G_FNAME=MS Sans Serif", "Settings/G_FSIZE=13.5",
          "Settings/G_FBOLD=False", "Settings/G_FITALIC=False", "Settings/W_FNAME=MS Sans Serif",
          "Settings/W_FSIZE=8", "Settings/W_FBOLD=False", "Settings/W_FITALIC=False",
          "Settings/SOUND=True", "Settings/S_COMP=0", "Settings/S_REV=0", "Settings/S_CHEAT=0",
          "Settings/S_PLAYED=0", "Settings/S_TIMEP=0", "F_Times/S1_N=B.Marsh",
          "F_Times/S10_N=Tarnwick"}) {
        EXPECT_TRUE(writes.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(recording.operations(), 1);
    EXPECT_EQ(recording.writesOutsideOperations(), 0);

    // The board carries the fonts it stored.
    EXPECT_EQ(board.model().cells[360].font.pointSizeF(), 13.5);
    EXPECT_EQ(board.model().entries[20].font.pointSizeF(), 8);
}

TEST_F(SetupQrwTest, LaterRunWithOnlyTheMarkerAppliesDefaultFonts) {
    Services services = recordingServices();
    recording.write("Settings", "F_RUN", "False");
    BoardWindow board(services.state);
    env.state.soundOn = false;

    const SetupResult result = setUpAtStart(services, board);
    EXPECT_TRUE(result.proceed);
    EXPECT_FALSE(result.soundChecked);
    EXPECT_FALSE(env.state.firstRun);
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(recording.writes().size(), 1);  // reads only

    for (const QFont& font : {board.model().cells[360].font, board.model().entries[20].font}) {
        EXPECT_EQ(font.family(), "MS Sans Serif");
        EXPECT_EQ(font.pointSizeF(), 14);
        EXPECT_TRUE(font.bold());
        EXPECT_FALSE(font.italic());
    }
}

// The marker is there but reads as nothing: the player's records must survive the start.
TEST_F(SetupQrwTest, AnUnreadableMarkerIsNotAFirstRun) {
    Services services = recordingServices();
    recording.write("Settings", "F_RUN", "0");
    recording.write("Settings", "S_COMP", "41");
    recording.write("F_Times", "S1_N", "Me");
    BoardWindow board(services.state);
    EXPECT_TRUE(setUpAtStart(services, board).proceed);
    EXPECT_FALSE(env.state.firstRun);
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_EQ(recording.writes().size(), 3);
    EXPECT_EQ(recording.read("Settings", "S_COMP", {}), "41");
    EXPECT_EQ(recording.read("F_Times", "S1_N", {}), "Me");
}

// A player who sets the marker back by hand asks for the first-run set-up again.
TEST_F(SetupQrwTest, AMarkerReadingTrueInAnyCaseIsAFirstRun) {
    Services services = recordingServices();
    BoardWindow board(services.state);
    for (const char* marker : {"True", " tRUE "}) {
        recording.write("Settings", "F_RUN", marker);
        env.dialogs.clear();
        env.dialogs.answerMessage(MsgAnswer::Yes);
        EXPECT_TRUE(setUpAtStart(services, board).proceed);
        EXPECT_TRUE(env.state.firstRun) << marker;
        expectWarrantyAsked();
        EXPECT_EQ(recording.read("Settings", "F_RUN", {}), "False");
    }
}

TEST_F(SetupQrwTest, LaterRunAppliesStoredFontsWithoutTouchingUnderline) {
    Services services = recordingServices();
    for (const auto& [key, value] :
         std::initializer_list<std::pair<QString, QString>>{{"F_RUN", "false"},
                                                            {"G_FNAME", "Courier"},
                                                            {"G_FSIZE", "11.25"},
                                                            {"G_FBOLD", "False"},
                                                            {"G_FITALIC", "True"},
                                                            {"W_FNAME", "Times"},
                                                            {"W_FSIZE", "100000"},
                                                            {"W_FBOLD", "TRUE"}}) {
        recording.write("Settings", key, value);
    }
    BoardWindow board(services.state);
    QFont underlined = board.model().cells[7].font;
    underlined.setUnderline(true);
    board.setCellFont(7, underlined);

    setUpAtStart(services, board);
    const QFont& cell = board.model().cells[7].font;
    EXPECT_EQ(cell.family(), "Courier");
    EXPECT_EQ(cell.pointSizeF(), 11.25);
    EXPECT_FALSE(cell.bold());
    EXPECT_TRUE(cell.italic());
    EXPECT_TRUE(cell.underline());
    const QFont& entry = board.model().entries[1].font;
    EXPECT_EQ(entry.family(), "Times");
    EXPECT_EQ(entry.pointSizeF(), 14);  // an absurd size falls back to the default
    EXPECT_TRUE(entry.bold());
    EXPECT_FALSE(entry.italic());
}

TEST(Warranty, TextRunsFromTheDisclaimerToTheRepairClause) {
    const QString text = warrantyText();
    EXPECT_TRUE(text.startsWith("Quarrow is provided on an as-is basis, without warranty of any"));
    EXPECT_TRUE(text.endsWith("with respect to any service or repair."));
    EXPECT_FALSE(text.contains("  "));
}

}  // namespace
