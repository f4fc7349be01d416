#include "platform/settings_store.h"
#include "support/event_wait.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace {

QString onDisk(const QString& path, const QString& key) {
    return QSettings(path, QSettings::IniFormat).value(key).toString();
}

// What was moved aside in the folder.
QStringList asideFiles(const QString& folder) {
    return QDir(folder).entryList({"QRW.ini.broken-*"},
                                  QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(SettingsStore, ReadsDefaultsForMissingKeysAndWritesThroughToDisk) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW/QRW.ini";
    {
        IniSettingsStore store(path);
        EXPECT_EQ(store.read("Settings", "F_RUN", "true"), "true");
        EXPECT_FALSE(store.contains("Settings", "F_RUN"));
        store.write("Settings", "F_RUN", "False");
        store.write("Settings", "SOUND", "False");
        store.write("F_Times", "S1_N", "B.Marsh");
        // On the disk without waiting for the store to go away.
        ASSERT_TRUE(store.waitForSaves());
        QSettings reader(path, QSettings::IniFormat);
        EXPECT_EQ(reader.value("Settings/SOUND").toString(), "False");
        EXPECT_EQ(reader.value("F_Times/S1_N").toString(), "B.Marsh");
    }
    IniSettingsStore reopened(path);
    EXPECT_EQ(reopened.read("Settings", "SOUND", "True"), "False");
}

TEST(SettingsStore, ConversionsTreatCorruptValuesAsTheDefault) {
    EXPECT_TRUE(settings::toBool("TRUE", false));
    EXPECT_TRUE(settings::toBool("true", false));
    EXPECT_FALSE(settings::toBool("fAlSe", true));
    EXPECT_TRUE(settings::toBool("yes please", true));
    EXPECT_FALSE(settings::toBool("", false));
    EXPECT_EQ(settings::fromBool(true), "True");
    EXPECT_EQ(settings::fromBool(false), "False");
    EXPECT_EQ(settings::toInteger(" 42 ", 0), 42);
    EXPECT_EQ(settings::toInteger("4x2", 7), 7);
    EXPECT_DOUBLE_EQ(settings::toNumber("13.5", 0), 13.5);
    EXPECT_EQ(settings::fromNumber(14), "14");
    EXPECT_EQ(settings::fromNumber(13.5), "13.5");

    EXPECT_DOUBLE_EQ(settings::toNumber("inf", 2), 2);
    EXPECT_EQ(settings::toInteger("9223372036854775808", 5), 5);
}

TEST(SettingsStore, CountersAddToWhatIsStoredAndRecoverFromGarbage) {
    QTemporaryDir dir;
    IniSettingsStore store(dir.path() + "/QRW.ini");
    EXPECT_EQ(settings::addToCounter(store, "S_COMP", 1), 1);
    EXPECT_EQ(settings::addToCounter(store, "S_COMP", 1), 2);
    EXPECT_EQ(store.read("Settings", "S_COMP", "0"), "2");
    store.write("Settings", "S_REV", "lots");
    EXPECT_EQ(settings::addToCounter(store, "S_REV", 1), 1);

    constexpr long long kMax = std::numeric_limits<long long>::max();
    store.write("Settings", "S_TIMEP", "9223372036854775807");
    EXPECT_EQ(settings::addToCounter(store, "S_TIMEP", 3600), kMax);
    EXPECT_EQ(settings::saturatingAdd(std::numeric_limits<long long>::min(), -1),
              std::numeric_limits<long long>::min());
}

TEST(SettingsStore, AnOperationReachesTheDiskWholeWhenItsOutermostScopeEnds) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW.ini";
    IniSettingsStore store(path);
    store.write("F_Times", "S1_N", "Old");
    ASSERT_TRUE(store.waitForSaves());
    {
        SettingsOperation outer(store);
        store.write("F_Times", "S1_N", "New");
        {
            SettingsOperation inner(store);
            store.write("F_Times", "S1_S", "1:59");
        }
        EXPECT_EQ(store.read("F_Times", "S1_S", {}), "1:59");  // the store sees its own writes
        EXPECT_TRUE(store.contains("F_Times", "S1_S"));
        EXPECT_EQ(onDisk(path, "F_Times/S1_N"), "Old");
        EXPECT_EQ(onDisk(path, "F_Times/S1_S"), "");
        std::optional<bool> saved;
        outer.finish([&saved](bool ok) { saved = ok; });
        ASSERT_TRUE(store.waitForSaves());
        EXPECT_EQ(saved, true);
        EXPECT_EQ(onDisk(path, "F_Times/S1_N"), "New");
        EXPECT_EQ(onDisk(path, "F_Times/S1_S"), "1:59");
    }
}

// The lock is free but the new file cannot be made, so the save fails on the saving thread.
TEST(SettingsStore, AFailedSaveIsReportedOnceAndNotAsSuccess) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW.ini";
    IniSettingsStore store(path);
    QStringList reported;
    store.onSaveFailed([&reported](const QString& where) { reported << where; });

    std::vector<bool> outcomes;
    const auto tell = [&outcomes](bool saved) { outcomes.push_back(saved); };
    {
        const FileSizeLimit full(16);
        SettingsOperation operation(store);
        store.write("Settings", "S_COMP", "0");
        operation.finish(tell);
        EXPECT_EQ(store.read("Settings", "S_COMP", "9"), "0");  // seen at once
        // Told through the event loop, with no further call on the store.
        EXPECT_TRUE(runEventsUntil([&] { return !reported.isEmpty(); }));
        store.write("Settings", "SOUND", "False");
        ASSERT_TRUE(store.waitForSaves());
    }
    EXPECT_EQ(outcomes, std::vector<bool>{false});
    EXPECT_EQ(reported, QStringList{path});
    EXPECT_EQ(store.read("Settings", "SOUND", "True"), "False");  // kept for this session
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"QRW.ini.flock"});

    // Room again: the next save takes everything along and says so.
    SettingsOperation later(store);
    store.write("Settings", "S_REV", "0");
    later.finish(tell);
    ASSERT_TRUE(store.waitForSaves());
    EXPECT_EQ(outcomes, (std::vector<bool>{false, true}));
    for (const char* key : {"Settings/S_COMP", "Settings/SOUND", "Settings/S_REV"})
        EXPECT_NE(onDisk(path, key), "") << key;
}

// A link planted where the new file is made or where the file is: a save writes through
// neither. (A player's own link to the settings file kept elsewhere is followed, on purpose.)
TEST(SettingsStore, ASaveNeverWritesThroughAPlantedLink) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW.ini";
    const QString other = dir.path() + "/letter.txt";
    QFile letter(other);
    ASSERT_TRUE(letter.open(QIODevice::WriteOnly));
    letter.write("the player's own");
    letter.close();
    for (const char* planted : {".saving", ".saving-0", ".tmp"})
        ASSERT_TRUE(QFile::link(other, path + planted));
    IniSettingsStore store(path);
    store.write("Settings", "SOUND", "False");
    ASSERT_TRUE(store.waitForSaves());
    ASSERT_TRUE(letter.open(QIODevice::ReadOnly));
    EXPECT_EQ(letter.readAll(), "the player's own");
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(onDisk(path, "Settings/SOUND"), "False");
}

// The player clears the configuration folder while the game runs; the lock file goes with it.
TEST(SettingsStore, AFolderRemovedWhileRunningIsMadeAgain) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW/QRW.ini";
    IniSettingsStore store(path);
    store.write("Settings", "F_RUN", "False");
    ASSERT_TRUE(store.waitForSaves());
    ASSERT_TRUE(QDir(dir.path() + "/QRW").removeRecursively());
    store.write("Settings", "SOUND", "False");
    ASSERT_TRUE(store.waitForSaves());
    EXPECT_EQ(onDisk(path, "Settings/SOUND"), "False");
    EXPECT_TRUE(QFile::exists(path + ".flock"));
}

// Each kind of unusable file is renamed aside with the date, kept byte for byte, and the store
// starts empty on a fresh file.
TEST(SettingsStore, AnUnusableFileIsMovedAsideAndTheStoreStartsEmpty) {
    const QString malformed =
        QStringLiteral(QUARROW_SOURCE_DIR "/tests/platform/broken_settings/malformed.ini");
    const QByteArray malformedBytes = [&] {
        QFile file(malformed);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_FALSE(malformedBytes.isEmpty());
    QByteArray huge = malformedBytes.left(30);
    huge.append(QByteArray(IniSettingsStore::kMaxFileBytes, 'x'));

    const auto check = [&](const char* name, const std::function<void(const QString&)>& make,
                           const QByteArray& keptBytes) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.path() + "/QRW.ini";
        make(path);
        IniSettingsStore store(path);
        const QString aside = store.movedAsidePath();
        EXPECT_TRUE(QFileInfo(aside).fileName().startsWith(
            "QRW.ini.broken-" + QDate::currentDate().toString("yyyy-MM-dd")));
        EXPECT_EQ(asideFiles(dir.path()), QStringList{QFileInfo(aside).fileName()});
        if (!keptBytes.isEmpty()) {
            QFile kept(aside);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), keptBytes);
        }
        EXPECT_EQ(store.read("Settings", "S_COMP", "0"), "0");
        EXPECT_FALSE(store.contains("Settings", "F_RUN"));
        store.write("Settings", "F_RUN", "False");
        ASSERT_TRUE(store.waitForSaves());
        EXPECT_EQ(onDisk(path, "Settings/F_RUN"), "False");
    };
    check(
        "malformed", [&](const QString& path) { QFile::copy(malformed, path); }, malformedBytes);
    check(
        "huge",
        [&](const QString& path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(huge);
        },
        huge);
    check("link to a device",
          [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); }, {});
    check("folder", [](const QString& path) { ASSERT_TRUE(QDir().mkpath(path)); }, {});

    // Not a whole settings file: the records in it must survive a first run's defaults.
    QByteArray random(4096, 0);
    for (int i = 0; i < random.size(); ++i) random[i] = char((i * 7919 + 13) % 251);
    const QByteArray records = "[F_Times]\nS1_N=Mine\nS1_S=1:05\n[Settings]\nS_COMP=9\n";
    const QString utf16Records = QString::fromLatin1(records + "F_RUN=False\n");
    for (const auto& [name, bytes] :
         {std::pair{"cut before the marker", records}, std::pair{"random bytes", random},
          std::pair{"comments only", QByteArray("; nothing else\n# here\n")},
          std::pair{"UTF-16", QByteArray(reinterpret_cast<const char*>(utf16Records.utf16()),
                                         utf16Records.size() * 2)}}) {
        check(
            name,
            [&bytes = bytes](const QString& path) {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            },
            bytes);
    }

    // A sound file stays where it is, and so does an empty one.
    QTemporaryDir dir;
    QFile(dir.path() + "/QRW.ini").open(QIODevice::WriteOnly);
    IniSettingsStore fine(dir.path() + "/QRW.ini");
    EXPECT_TRUE(fine.movedAsidePath().isEmpty());
    fine.write("Settings", "F_RUN", "False");
    fine.write("Settings", "SOUND", "True");
    ASSERT_TRUE(fine.waitForSaves());
    IniSettingsStore reopened(dir.path() + "/QRW.ini");
    EXPECT_TRUE(reopened.movedAsidePath().isEmpty());
    EXPECT_EQ(reopened.read("Settings", "SOUND", "False"), "True");
    EXPECT_TRUE(asideFiles(dir.path()).isEmpty());
}

// Written by hand or by another editor: a byte-order mark, CR LF line ends, blanks.
TEST(SettingsStore, ReadsAByteOrderMarkAndSavesWithoutAFalseFailure) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW.ini";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF[Settings]\r\nF_RUN=False\r\nS_COMP = 3 \r\n");
    }
    IniSettingsStore store(path);
    int failures = 0;
    store.onSaveFailed([&failures](const QString&) { ++failures; });
    EXPECT_TRUE(store.movedAsidePath().isEmpty());
    EXPECT_EQ(settings::addToCounter(store, "S_COMP", 1), 4);
    ASSERT_TRUE(store.waitForSaves());
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(IniSettingsStore(path).read("Settings", "S_COMP", {}), "4");
}

// A serialised Qt value claiming a list of 671 million entries: values are text, and such a
// form is no value at all. Saving leaves it as it was.
TEST(SettingsStore, SerialisedValuesAreNeverDecoded) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/QRW.ini";
    const QByteArray crafted = "@Variant(\\0\\0\\0\\t(\\0\\0\\0)";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nF_RUN=False\nS_CHEAT=" + crafted + "\nS_REV=@ByteArray(7)\n");
    }
    IniSettingsStore store(path);
    EXPECT_EQ(store.read("Settings", "S_CHEAT", "0"), "0");
    EXPECT_EQ(store.read("Settings", "S_REV", "0"), "0");
    EXPECT_TRUE(store.contains("Settings", "S_CHEAT"));
    EXPECT_EQ(settings::addToCounter(store, "S_COMP", 1), 1);
    ASSERT_TRUE(store.waitForSaves());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("S_CHEAT=" + crafted + "\n"));
}
