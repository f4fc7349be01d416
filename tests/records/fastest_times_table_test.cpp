#include "records/fastest_times_table.h"
#include "platform/settings_schema.h"
#include "records/memory_settings_store.h"
#include "support/scripted_dialogs.h"
#include "support/test_env.h"

#include <gtest/gtest.h>

namespace {

class FastestTimesTable : public ::testing::Test {
  protected:
    FastestTimesTable() { fastest_times::writeResetSet(store); }

    FastTimeRow row(int n) const {
        const auto read = [this](const QString& key) {
            return store.read("F_Times", key, "<missing>");
        };
        return {read(settings::fastTimeNameKey(n)), read(settings::fastTimeTimeKey(n)),
                read(settings::fastTimePuzzleKey(n))};
    }
    static void expectRow(const FastTimeRow& actual, const FastTimeRow& expected) {
        EXPECT_EQ(actual.name, expected.name);
        EXPECT_EQ(actual.time, expected.time);
        EXPECT_EQ(actual.puzzle, expected.puzzle);
    }
    int insert(const QString& time, const QString& name) {
        dialogs.answerInput(name);
        return fastest_times::insert(store, dialogs, time, "Fruit");
    }

    MemorySettingsStore store;
    ScriptedDialogs dialogs;
};

// A new time goes below any row it ties, pushes the rows under it down and drops the old tenth.
TEST_F(FastestTimesTable, ANewTimeTakesItsRankAndPushesTheRestDown) {
    for (const auto& [time, rank] : {std::pair{"0:07", 1}, {"2:00", 2}, {"4:29", 10}}) {
        SCOPED_TRACE(time);
        fastest_times::writeResetSet(store);
        EXPECT_EQ(insert(time, "Ann"), rank);
        expectRow(row(rank), {"Ann", time, "Fruit"});
        for (int n = 1; n < rank; ++n) expectRow(row(n), kResetFastTimes[n - 1]);
        for (int n = rank + 1; n <= 10; ++n) expectRow(row(n), kResetFastTimes[n - 2]);
    }
}

TEST_F(FastestTimesTable, AsksForTheNameWithTheRankInThePrompt) {
    insert("2:01", "Ann");
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const auto& box = dialogs.last();
    EXPECT_EQ(box.kind, ScriptedDialogs::Shown::Kind::Input);
    EXPECT_EQ(box.title, "High Score");
    EXPECT_EQ(box.text,
              "Congratulations, you have achieved the #2 time in the Speed Challenge! Please enter "
              "you're name below.");
    EXPECT_TRUE(fastest_times::namePrompt(10).contains("the #10 time"));
}

TEST_F(FastestTimesTable, CancelledPromptStillStoresTheRowWithAnEmptyName) {
    EXPECT_EQ(fastest_times::insert(store, dialogs, "3:01", "Fruit"), 5);
    expectRow(row(5), {"", "3:01", "Fruit"});
    expectRow(row(6), kResetFastTimes[4]);
}

TEST_F(FastestTimesTable, SlowerThanEveryRowWritesNothingAndAsksNothing) {
    EXPECT_EQ(insert("4:30", "Ann"), 0);
    EXPECT_EQ(insert("10:05", "Ann"), 0);
    EXPECT_TRUE(dialogs.shown().empty());
    for (int n = 1; n <= 10; ++n) expectRow(row(n), kResetFastTimes[n - 1]);
}

TEST_F(FastestTimesTable, RowsMovedFromMissingKeysBecomeEmptyText) {
    MemorySettingsStore fresh;
    fresh.write("F_Times", "S1_S", "5:00");
    dialogs.answerInput("Ann");
    EXPECT_EQ(fastest_times::insert(fresh, dialogs, "4:00", "Fruit"), 1);
    EXPECT_EQ(fresh.read("F_Times", "S2_S", "<missing>"), "5:00");
    EXPECT_EQ(fresh.read("F_Times", "S2_N", "<missing>"), "");
    EXPECT_EQ(fresh.read("F_Times", "S3_S", "<missing>"), "");
}

TEST(FastestTimesMissingSection, NothingQualifies) {
    TestEnv env;
    EXPECT_EQ(fastest_times::storedTime(*env.settings, 10), "0");
    EXPECT_EQ(fastest_times::rankFor(*env.settings, "0:01"), 0);
    EXPECT_EQ(fastest_times::insert(*env.settings, env.dialogs, "0:01", "Fruit"), 0);
    EXPECT_TRUE(env.dialogs.shown().empty());
    EXPECT_FALSE(env.settings->contains("F_Times", "S1_S"));
}

}  // namespace
