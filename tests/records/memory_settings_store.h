#pragma once

#include "platform/settings_store.h"

#include <QMap>

// A settings store held in memory: the table rules write dozens of keys per case, and the INI
// store's sync after every write makes that slow. The INI store itself is covered elsewhere.
class MemorySettingsStore : public SettingsStore {
  public:
    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override {
        return values_.value(section + '/' + key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values_.insert(section + '/' + key, value);
    }
    bool contains(const QString& section, const QString& key) const override {
        return values_.contains(section + '/' + key);
    }

  private:
    QMap<QString, QString> values_;
};
