#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSettings;

// Text values under application "QRW", sections "Settings" and "F_Times".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    // Creates or overwrites the value. Outside an operation it is on disk when this returns.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual bool contains(const QString& section, const QString& key) const = 0;

    // The writes between the outermost begin and its end reach the disk together, in one step,
    // so a crash leaves all of them or none. Use SettingsOperation rather than these directly.
    virtual void beginOperation() {}
    // False when what was written could not be saved.
    virtual bool endOperation() { return true; }
    // Picks up what another copy of the program saved since this one last looked.
    virtual void refresh() {}
};

// One logical operation on the store (first-run set-up, a reset, a new fastest time, the end of
// a game): its writes land whole or not at all, with one trip to the disk.
class SettingsOperation {
  public:
    explicit SettingsOperation(SettingsStore& store);
    ~SettingsOperation();
    SettingsOperation(const SettingsOperation&) = delete;
    SettingsOperation& operator=(const SettingsOperation&) = delete;

    // Ends the operation now; false when its writes could not be saved.
    bool finish();

  private:
    SettingsStore& store_;
    bool finished_ = false;
};

// INI file in the per-user configuration folder: $XDG_CONFIG_HOME/QRW/QRW.ini
// (~/.config/QRW/QRW.ini by default), or the file given.
//
// A file that is not a regular file, is far larger than the program ever writes, or that Qt
// cannot parse is renamed aside (never deleted) and the store starts empty. A save that fails
// is reported once through the handler, and every later write is tried again.
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
    bool endOperation() override;
    void refresh() override;

    QString fileName() const;
    // Where an unusable file found at start now is; empty when there was none.
    QString movedAsidePath() const { return movedAside_; }
    // Called with the file's path the first time a save fails.
    void onSaveFailed(std::function<void(const QString& path)> handler);

    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

  private:
    bool save();

    QString path_;
    QString movedAside_;
    std::unique_ptr<QSettings> settings_;  // null when an unusable file could not be moved
    std::map<QString, QString> pending_;   // written inside the current operation
    int depth_ = 0;
    bool failureReported_ = false;
    std::function<void(const QString&)> onSaveFailed_;
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

// Convenience for the read-modify-write counters (the statistics): read the latest saved
// value with default "0" (a non-number counts as 0), add `delta` (saturating), write it back.
long long addToCounter(SettingsStore& store, const QString& key, long long delta);

}  // namespace settings
