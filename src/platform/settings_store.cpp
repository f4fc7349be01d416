#include "platform/settings_store.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

SettingsOperation::SettingsOperation(SettingsStore& store) : store_(store) {
    store_.beginOperation();
}

SettingsOperation::~SettingsOperation() {
    if (!finished_) store_.endOperation();
}

bool SettingsOperation::finish() {
    if (finished_) return true;
    finished_ = true;
    return store_.endOperation();
}

namespace {

QString fullKey(const QString& section, const QString& key) {
    return section + '/' + key;
}

// Qt would read a device or a pipe forever and parse megabytes of junk at every start.
bool isUnusable(const QFileInfo& info) {
    return !info.isFile() || info.size() > IniSettingsStore::kMaxFileBytes;
}

bool exists(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path.toStdString(), error));
}

// The same folder, the name with the date added; a time and then a number keep names unique.
QString asideName(const QString& path) {
    const QDateTime now = QDateTime::currentDateTime();
    QString candidate = path + now.toString(QStringLiteral("'.broken-'yyyy-MM-dd"));
    if (!exists(candidate)) return candidate;
    candidate += now.toString(QStringLiteral("'-'HHmmss"));
    QString numbered = candidate;
    for (int n = 2; exists(numbered); ++n) numbered = candidate + '-' + QString::number(n);
    return numbered;
}

// Renames the file itself (a link, not what it points to); empty when that failed.
QString moveAside(const QString& path) {
    const QString target = asideName(path);
    std::error_code error;
    std::filesystem::rename(path.toStdString(), target.toStdString(), error);
    return error ? QString() : target;
}

}  // namespace

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/QRW/QRW.ini")) {}

IniSettingsStore::IniSettingsStore(const QString& iniFilePath) : path_(iniFilePath) {
    const QFileInfo info(path_);
    if (exists(path_) && isUnusable(info)) {
        movedAside_ = moveAside(path_);
        if (movedAside_.isEmpty()) return;  // left in place, unread; nothing will be saved
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    if (settings_->status() != QSettings::FormatError) return;
    settings_.reset();
    movedAside_ = moveAside(path_);
    if (!movedAside_.isEmpty())
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString& section, const QString& key,
                               const QString& fallback) const {
    const QString full = fullKey(section, key);
    if (const auto found = pending_.find(full); found != pending_.end()) return found->second;
    if (!settings_) return fallback;
    const QVariant value = settings_->value(full);
    return value.isValid() ? value.toString() : fallback;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    pending_[fullKey(section, key)] = value;
    if (depth_ == 0) save();
}

bool IniSettingsStore::contains(const QString& section, const QString& key) const {
    const QString full = fullKey(section, key);
    return pending_.count(full) != 0 || (settings_ && settings_->contains(full));
}

void IniSettingsStore::beginOperation() {
    if (depth_++ == 0) refresh();
}

bool IniSettingsStore::endOperation() {
    if (depth_ == 0 || --depth_ > 0) return true;
    return save();
}

void IniSettingsStore::refresh() {
    if (settings_) settings_->sync();
}

QString IniSettingsStore::fileName() const {
    return path_;
}

void IniSettingsStore::onSaveFailed(std::function<void(const QString&)> handler) {
    onSaveFailed_ = std::move(handler);
}

// QSettings writes the whole file to a temporary one and renames it over the old: one sync per
// operation is what makes the operation land whole or not at all.
bool IniSettingsStore::save() {
    bool saved = false;
    if (settings_) {
        // QSettings keeps an error status for good; a fresh object tells whether this save worked.
        if (settings_->status() != QSettings::NoError)
            settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        for (const auto& [key, value] : pending_) settings_->setValue(key, value);
        settings_->sync();
        saved = settings_->status() == QSettings::NoError;
        // Unsaved values stay for this run and go to the disk with the next save that works.
        if (saved) pending_.clear();
    }
    if (!saved && !failureReported_) {
        failureReported_ = true;
        if (onSaveFailed_) onSaveFailed_(path_);
    }
    return saved;
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
    return ok && std::isfinite(value) ? value : fallback;
}

QString fromNumber(double value) {
    return QString::number(value, 'g', 15);
}

long long saturatingAdd(long long a, long long b) {
    constexpr long long kMax = std::numeric_limits<long long>::max();
    constexpr long long kMin = std::numeric_limits<long long>::min();
    if (b > 0 && a > kMax - b) return kMax;
    if (b < 0 && a < kMin - b) return kMin;
    return a + b;
}

long long addToCounter(SettingsStore& store, const QString& key, long long delta) {
    // Another copy of the game may have counted since this one last read the file.
    store.refresh();
    const long long value =
        saturatingAdd(toInteger(store.read(kSettings, key, QStringLiteral("0")), 0), delta);
    store.write(kSettings, key, QString::number(value));
    return value;
}

}  // namespace settings
