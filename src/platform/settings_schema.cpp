#include "platform/settings_schema.h"

#include "platform/settings_store.h"

namespace settings {

QString fastTimeNameKey(int row) {
    return QStringLiteral("S%1_N").arg(row);
}
QString fastTimeTimeKey(int row) {
    return QStringLiteral("S%1_S").arg(row);
}
QString fastTimePuzzleKey(int row) {
    return QStringLiteral("S%1_P").arg(row);
}

bool read(const SettingsStore& store, const FlagKey& key) {
    return toBool(store.read(kSettings, key.name, fromBool(key.fallback)), key.fallback);
}

double read(const SettingsStore& store, const NumberKey& key) {
    const double value = toNumber(store.read(kSettings, key.name, {}), key.fallback);
    return value >= key.lowest && value <= key.highest ? value : key.fallback;
}

QString read(const SettingsStore& store, const TextKey& key) {
    return store.read(kSettings, key.name, key.fallback);
}

QString readText(const SettingsStore& store, const CounterKey& key) {
    return store.read(kSettings, key.name, QStringLiteral("0"));
}

void write(SettingsStore& store, const FlagKey& key, bool value) {
    store.write(kSettings, key.name, fromBool(value));
}

void write(SettingsStore& store, const CounterKey& key, long long value) {
    store.write(kSettings, key.name, QString::number(value));
}

void write(SettingsStore& store, const NumberKey& key, double value) {
    store.write(kSettings, key.name, fromNumber(value));
}

void write(SettingsStore& store, const TextKey& key, const QString& value) {
    store.write(kSettings, key.name, value);
}

}  // namespace settings
