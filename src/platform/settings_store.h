#pragma once

#include <QString>

#include "platform/background_saver.h"
#include "platform/file_identity.h"
#include "platform/ini_text.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QObject;

// Learns, on the window thread and possibly after the operation has ended, whether what an
// operation wrote reached the disk (true) or could not be saved (false).
using SaveOutcome = std::function<void(bool saved)>;

// Text values under application "QRW", sections "Settings" and "F_Times".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent or holds no text.
    virtual QString read(const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    // Creates or overwrites the value. Outside an operation it is saved when this returns.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual bool contains(const QString& section, const QString& key) const = 0;

    // Between the outermost begin and its end, no other copy of the program touches the store:
    // reads see what was last saved by any copy, and the writes are saved together, in one step,
    // so a crash leaves all of them or none. Use SettingsOperation rather than these directly.
    virtual void beginOperation() {}
    virtual void endOperation(SaveOutcome outcome) {
        if (outcome) outcome(true);
    }
};

// One logical operation on the store (first-run set-up, a reset, a new fastest time, a counter
// update): a read-modify-write that lands whole or not at all. It holds every other copy of the
// program off, so it must never wait for the player: no dialog inside one.
class SettingsOperation {
  public:
    explicit SettingsOperation(SettingsStore& store);
    ~SettingsOperation();
    SettingsOperation(const SettingsOperation&) = delete;
    SettingsOperation& operator=(const SettingsOperation&) = delete;

    // Ends the operation now; `outcome` learns whether its writes were saved.
    void finish(SaveOutcome outcome = {});

  private:
    SettingsStore& store_;
    bool finished_ = false;
};

// INI file in the per-user configuration folder: $XDG_CONFIG_HOME/QRW/QRW.ini
// (~/.config/QRW/QRW.ini by default), or the file given. Values are read as text only.
//
// A file that is not a regular file, is far larger than the program ever writes, is no settings
// text or lacks the first-run marker every saved file holds (a file cut short) is renamed aside
// (never deleted) and the store starts empty; an empty file counts as none. A save that fails
// is reported once through the handler, and what it held goes along with every later save.
//
// An operation reads and changes the store under a lock shared with other copies of the program
// and then hands the lock and the new text over to a thread of its own, which writes a new file
// beside the old one, renames it into place and syncs it. Reads see an operation's values at
// once; its outcome and any failure reach the window thread later, through its event loop or
// the next operation, whichever comes first.
class IniSettingsStore : public SettingsStore {
  public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& iniFilePath);
    ~IniSettingsStore() override;

    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool contains(const QString& section, const QString& key) const override;
    void beginOperation() override;
    void endOperation(SaveOutcome outcome) override;

    // Waits up to `patience` for the saves still on their way, then passes on what became of
    // them; false when one is still unfinished. Quitting calls it, so that nothing is lost.
    bool waitForSaves(std::chrono::milliseconds patience = BackgroundSaver::kPatience);

    QString fileName() const;
    // Where an unusable file found at start now is; empty when there was none.
    QString movedAsidePath() const { return movedAside_; }
    // Called with the file's path the first time a save fails.
    void onSaveFailed(std::function<void(const QString& path)> handler);

    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

  private:
    using Key = std::pair<QString, QString>;  // section, key
    // Written by this copy and not yet known to be on the disk.
    struct Unsaved {
        QString value;
        quint64 save = 0;  // the latest save that carried it
    };
    std::optional<QByteArray> readFile() const;
    void reload() const;
    void reloadIfChanged() const;
    const QByteArray* stored(const QString& section, const QString& key) const;
    quint64 save();
    bool holdsFailedValues() const;
    void record(quint64 save, bool saved, const FileIdentity& file);
    void takeResults();
    void deliverResults();

    QString path_;
    QString movedAside_;
    bool usable_ = true;  // false when an unusable file could not be moved aside
    // The file as this copy sees it: as last read, with what this copy wrote since.
    mutable ini::Document document_;
    mutable FileIdentity seen_;       // the file last read or saved
    std::map<Key, QString> pending_;  // written in the open operation
    std::map<Key, Unsaved> unsaved_;
    quint64 lastSave_ = 0;
    quint64 lastResult_ = 0;                                // the newest save with a known end
    std::vector<SaveOutcome> ending_;                       // of the open operation
    std::vector<std::pair<quint64, SaveOutcome>> waiting_;  // for the save numbered
    std::vector<std::pair<SaveOutcome, bool>> known_;       // to be told
    int depth_ = 0;
    bool claimed_ = false;
    bool failed_ = false;
    bool failureReported_ = false;
    std::function<void(const QString&)> onSaveFailed_;
    std::unique_ptr<QObject> wakeTarget_;  // lives on the window thread; outlives saver_'s calls
    BackgroundSaver saver_;
};

namespace settings {

inline const QString kSettings = QStringLiteral("Settings");
inline const QString kFastTimes = QStringLiteral("F_Times");

// Parsers of stored text. Each takes any text at all and never fails: what does not read as the
// wanted value (a hand-edited or corrupted setting) yields `fallback`, the key's default.

// "True"/"False" in any letter case.
bool toBool(const QString& text, bool fallback);
QString fromBool(bool value);  // "True" / "False"
// Plain decimal text (blanks around it allowed) within the range of long long.
long long toInteger(const QString& text, long long fallback);
double toNumber(const QString& text, double fallback);  // also accepts "13.5"; finite only
QString fromNumber(double value);                       // "14", "13.5"

// a + b, held at the ends of the range instead of overflowing.
long long saturatingAdd(long long a, long long b);

// The read-modify-write of a counter ("S_COMP" and friends) as one operation: read the latest
// value any copy saved, with default "0" (a non-number counts as 0), add `delta` (saturating)
// and save it.
long long addToCounter(SettingsStore& store, const QString& key, long long delta);

}  // namespace settings
