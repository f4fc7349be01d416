#pragma once

#include <QString>

#include <memory>

class QSettings;

// Text values under application "QRW", sections "Settings" and "F_Times".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key is absent.
    virtual QString read(const QString& section, const QString& key,
                         const QString& fallback) const = 0;
    // Creates or overwrites the value; it is on disk when this returns.
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual bool contains(const QString& section, const QString& key) const = 0;
};

// INI file in the per-user configuration folder: $XDG_CONFIG_HOME/QRW/QRW.ini
// (~/.config/QRW/QRW.ini by default), or the file given.
class IniSettingsStore : public SettingsStore {
  public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& iniFilePath);
    ~IniSettingsStore() override;

    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool contains(const QString& section, const QString& key) const override;
    QString fileName() const;

  private:
    std::unique_ptr<QSettings> settings_;
};

namespace settings {

inline const QString kSettings = QStringLiteral("Settings");
inline const QString kFastTimes = QStringLiteral("F_Times");

// "True"/"False" in any letter case; anything else (a hand-edited or corrupted value) yields
// `fallback`, the key's default.
bool toBool(const QString& text, bool fallback);
QString fromBool(bool value);  // "True" / "False"
// Plain decimal text (blanks around it allowed); anything else yields `fallback`.
long long toInteger(const QString& text, long long fallback);
double toNumber(const QString& text, double fallback);  // also accepts "13.5"
QString fromNumber(double value);                       // "14", "13.5"

// Convenience for the read-modify-write counters ("S_COMP" and friends): read with default
// "0" (a non-number counts as 0), add `delta`, write the decimal text back.
long long addToCounter(SettingsStore& store, const QString& key, long long delta);

}  // namespace settings
