// Copies of the game running at once on one settings file, as separate processes.
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

class SettingsRaces : public ::testing::Test {
  protected:
    SettingsRaces() {
        IniSettingsStore store(path);
        store.write("Settings", "F_RUN", "False");
        fastest_times::writeResetSet(store);
    }
    std::unique_ptr<QProcess> start(const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(QUARROW_RACE_PROBE), QStringList{path} + arguments);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }
    static void expectSuccess(QProcess& process) {
        EXPECT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
    QString stored(const QString& section, const QString& key) const {
        return IniSettingsStore(path).read(section, key, "<missing>");
    }

    QTemporaryDir dir;
    QString path = dir.path() + "/QRW.ini";
};

TEST_F(SettingsRaces, TwoCopiesCountingAtOnceLoseNoUpdate) {
    std::array copies{start({"count", "S_REV", "500"}), start({"count", "S_REV", "500"})};
    for (auto& copy : copies) expectSuccess(*copy);
    EXPECT_EQ(stored("Settings", "S_REV"), "1000");
}

// One copy waits at the fastest-time name prompt while the other ends a game.
TEST_F(SettingsRaces, AGameEndedDuringAnotherCopysNamePromptIsCounted) {
    auto prompting = start({"end-game", "1:00"});
    ASSERT_TRUE(prompting->waitForReadyRead(120000));
    EXPECT_EQ(prompting->readLine().trimmed(), "name?");
    auto other = start({"end-game", "9:59"});
    expectSuccess(*other);
    prompting->write("Ann\n");
    expectSuccess(*prompting);
    EXPECT_EQ(stored("Settings", "S_PLAYED"), "2");
    EXPECT_EQ(stored("F_Times", "S1_N"), "Ann");
    EXPECT_EQ(stored("F_Times", "S2_N"), "B.Marsh");
}

}  // namespace
