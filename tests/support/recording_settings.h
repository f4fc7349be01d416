#pragma once

#include "platform/settings_store.h"

#include <QStringList>

#include <map>
#include <utility>

// An in-memory settings store that remembers the order of its writes ("Section/KEY=value") and
// how many of them landed outside any operation.
class RecordingSettings : public SettingsStore {
  public:
    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override {
        const auto found = values_.find({section, key});
        return found == values_.end() ? fallback : found->second;
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values_[{section, key}] = value;
        writes_ << section + '/' + key + '=' + value;
        if (depth_ == 0) ++writesOutsideOperations_;
    }
    void beginOperation() override {
        if (depth_++ == 0) ++operations_;
    }
    void endOperation(SaveOutcome outcome) override {
        --depth_;
        if (outcome) outcome(true);
    }
    bool contains(const QString& section, const QString& key) const override {
        return values_.count({section, key}) != 0;
    }
    const QStringList& writes() const { return writes_; }
    int operations() const { return operations_; }  // outermost ones
    int writesOutsideOperations() const { return writesOutsideOperations_; }

  private:
    std::map<std::pair<QString, QString>, QString> values_;
    QStringList writes_;
    int depth_ = 0;
    int operations_ = 0;
    int writesOutsideOperations_ = 0;
};
