// Drives one logical operation on a settings file over and over, for a script that kills it at
// random moments and then checks that the file parses and holds the operation's keys either all
// as before it or all as after it.
//
//   settings_crash_probe OPERATION FILE prepare|run|check
//   OPERATION: first-run, reset, insert, statistics
#include "platform/design_font.h"
#include "platform/settings_schema.h"
#include "platform/settings_store.h"
#include "records/fastest_times_table.h"
#include "records/statistics_figures.h"
#include "shell/startup/start_set_up.h"

#include "platform/ini_text.h"

#include <QFile>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>

namespace {

using Values = std::map<QString, QString>;  // "Section/KEY" -> text

class MemoryStore : public SettingsStore {
  public:
    QString read(const QString& section, const QString& key,
                 const QString& fallback) const override {
        const auto found = values.find(section + '/' + key);
        return found == values.end() ? fallback : found->second;
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        values[section + '/' + key] = value;
    }
    bool contains(const QString& section, const QString& key) const override {
        return values.count(section + '/' + key) != 0;
    }
    Values values;
};

struct Operation {
    std::function<void(SettingsStore&)> toOld;  // one operation too, so the loop can alternate
    std::function<void(SettingsStore&)> toNew;  // the operation under test
};

Values valuesAfter(const std::function<void(SettingsStore&)>& step) {
    MemoryStore memory;
    step(memory);
    return memory.values;
}

// The same keys with other text, written as one operation.
std::function<void(SettingsStore&)> otherValuesOf(const Values& values) {
    return [values](SettingsStore& store) {
        SettingsOperation operation(store);
        for (const auto& [key, value] : values) {
            const qsizetype slash = key.indexOf('/');
            store.write(key.left(slash), key.mid(slash + 1), QStringLiteral("old ") + value);
        }
    };
}

Operation operationNamed(const QString& name) {
    if (name == QLatin1String("first-run")) {
        const auto firstRun = [](SettingsStore& store) {
            writeFirstRunSettings(store, designFont(13.5), designFont(8));
        };
        return {otherValuesOf(valuesAfter(firstRun)), firstRun};
    }
    if (name == QLatin1String("reset")) {
        const auto reset = [](SettingsStore& store) { fastest_times::writeResetSet(store); };
        return {otherValuesOf(valuesAfter(reset)), reset};
    }
    if (name == QLatin1String("insert")) {
        return {[](SettingsStore& store) { fastest_times::writeResetSet(store); },
                [](SettingsStore& store) {
                    fastest_times::insertRow(store, {"New", "1:59", "Quick"});
                }};
    }
    if (name == QLatin1String("statistics")) {
        return {otherValuesOf(valuesAfter(statistics::reset)), statistics::reset};
    }
    return {};
}

// The file as the program reads it; nullopt when it does not parse.
std::optional<Values> valuesIn(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const std::optional<ini::Document> document = ini::parse(file.readAll());
    if (!document) return std::nullopt;
    Values values;
    for (const auto& [section, keys] : *document)
        for (const auto& [key, written] : keys)
            values[section + '/' + key] = ini::decode(written).value_or(QString());
    return values;
}

bool matches(const Values& file, const Values& expected) {
    for (const auto& [key, value] : expected) {
        const auto found = file.find(key);
        if (found == file.end() || found->second != value) return false;
    }
    return true;
}

struct States {
    Values before, after;
};

States statesOf(const Operation& operation) {
    MemoryStore memory;
    operation.toOld(memory);
    const Values before = memory.values;
    operation.toNew(memory);
    return {before, memory.values};
}

int check(const QString& path, const Operation& operation) {
    const std::optional<Values> file = valuesIn(path);
    if (!file) {
        std::fprintf(stderr, "the file does not parse\n");
        return 1;
    }
    const States states = statesOf(operation);
    if (matches(*file, states.before) || matches(*file, states.after)) return 0;
    std::fprintf(stderr, "the file holds part of the operation:\n");
    for (const auto& [key, value] : states.after) {
        const auto found = file->find(key);
        std::fprintf(stderr, "  %s=%s\n", qPrintable(key),
                     found == file->end() ? "<missing>" : qPrintable(found->second));
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const Operation operation = argc == 4 ? operationNamed(argv[1]) : Operation{};
    if (!operation.toNew) {
        std::fprintf(stderr, "usage: %s first-run|reset|insert|statistics FILE prepare|run|check\n",
                     argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    const QString mode = QString::fromLatin1(argv[3]);
    if (mode == QLatin1String("check")) return check(path, operation);
    if (mode == QLatin1String("prepare")) {
        QFile::remove(path);
        IniSettingsStore store(path);
        store.write(settings::kSettings, settings::kFirstRun.name, settings::fromBool(false));
        operation.toOld(store);
        return 0;
    }
    // Each run goes on from the state the last one left, so every step changes the file.
    const bool isNew = matches(valuesIn(path).value_or(Values()), statesOf(operation).after);
    IniSettingsStore store(path);
    if (isNew) operation.toOld(store);
    for (;;) {
        operation.toNew(store);
        operation.toOld(store);
    }
}
