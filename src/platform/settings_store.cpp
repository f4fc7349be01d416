#include "platform/settings_store.h"

#include <QSettings>

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("QRW"), QStringLiteral("QRW"))) {}

IniSettingsStore::IniSettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

IniSettingsStore::~IniSettingsStore() = default;

namespace {
QString fullKey(const QString& section, const QString& key) {
    return section + '/' + key;
}
}  // namespace

QString IniSettingsStore::read(const QString& section, const QString& key,
                               const QString& fallback) const {
    const QVariant value = settings_->value(fullKey(section, key));
    return value.isValid() ? value.toString() : fallback;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(fullKey(section, key), value);
    settings_->sync();  // a crash later must not lose what was written
}

bool IniSettingsStore::contains(const QString& section, const QString& key) const {
    return settings_->contains(fullKey(section, key));
}

QString IniSettingsStore::fileName() const {
    return settings_->fileName();
}

namespace settings {

bool toBool(const QString& text, bool fallback) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    return fallback;
}

QString fromBool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

long long toInteger(const QString& text, long long fallback) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? value : fallback;
}

double toNumber(const QString& text, double fallback) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : fallback;
}

QString fromNumber(double value) {
    return QString::number(value, 'g', 15);
}

long long addToCounter(SettingsStore& store, const QString& key, long long delta) {
    const long long value = toInteger(store.read(kSettings, key, QStringLiteral("0")), 0) + delta;
    store.write(kSettings, key, QString::number(value));
    return value;
}

}  // namespace settings
