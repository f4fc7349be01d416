#include "platform/settings_store.h"

#include "core/guarded_file.h"
#include "platform/settings_schema.h"

#include <QDateTime>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>
#include <system_error>

SettingsOperation::SettingsOperation(SettingsStore& store) : store_(store) {
    store_.beginOperation();
}

SettingsOperation::~SettingsOperation() {
    if (!finished_) store_.endOperation({});
}

void SettingsOperation::finish(SaveOutcome outcome) {
    if (finished_) return;
    finished_ = true;
    store_.endOperation(std::move(outcome));
}

namespace {

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

// A player who keeps the file elsewhere and links it here keeps the link.
QString linkTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() && info.isFile() ? info.canonicalFilePath() : path;
}

bool holdsMarker(const ini::Document& document) {
    const auto section = document.find(settings::kSettings);
    return section != document.end() && section->second.count(settings::kFirstRun.name) != 0;
}

// Another copy holds the lock only while it reads and renames one small file.
constexpr std::chrono::seconds kLockPatience{2};

}  // namespace

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/QRW/QRW.ini")) {}

IniSettingsStore::IniSettingsStore(const QString& iniFilePath)
    : path_(linkTarget(iniFilePath)), wakeTarget_(std::make_unique<QObject>()), saver_(path_) {
    saver_.onResult([this, target = wakeTarget_.get()] {
        QMetaObject::invokeMethod(
            target, [this] { deliverResults(); }, Qt::QueuedConnection);
    });
    if (!exists(path_)) return;
    const std::optional<QByteArray> bytes = readFile();
    if (bytes && bytes->isEmpty()) return;
    std::optional<ini::Document> document = bytes ? ini::parse(*bytes) : std::nullopt;
    if (document && holdsMarker(*document)) {
        document_ = std::move(*document);
        seen_ = FileIdentity::of(path_);
        return;
    }
    movedAside_ = moveAside(path_);
    usable_ = !movedAside_.isEmpty();  // left in place, unread; nothing will be saved
}

IniSettingsStore::~IniSettingsStore() = default;

// The bytes of the file, empty when there is none; nullopt when it cannot be read or used: a
// device or a pipe would never end, and megabytes of junk would be parsed at every start.
std::optional<QByteArray> IniSettingsStore::readFile() const {
    guarded_file::Read file = guarded_file::read(path_, kMaxFileBytes, guarded_file::Links::Follow);
    if (file.status == guarded_file::Read::Status::Missing) return QByteArray();
    if (file.status != guarded_file::Read::Status::Read || !file.whole) return std::nullopt;
    return std::move(file.bytes);
}

// A file another program broke meanwhile is not taken in; the next save replaces it whole.
// What this copy could not save yet stays in view.
void IniSettingsStore::reload() const {
    if (!usable_) return;
    seen_ = FileIdentity::of(path_);
    const std::optional<QByteArray> bytes = readFile();
    if (!bytes) return;
    std::optional<ini::Document> document = ini::parse(*bytes);
    if (!document) return;
    for (const auto& [where, unsaved] : unsaved_)
        (*document)[where.first][where.second] = ini::encode(unsaved.value);
    document_ = std::move(*document);
}

// Every handler reads what any copy of the program saved last. While this copy's saves hold the
// lock, nobody else can have changed the file, and the file may not have caught up yet; results
// not yet taken in would show this copy's values over newer ones.
void IniSettingsStore::reloadIfChanged() const {
    if (depth_ == 0 && usable_ && !saver_.holdsLockOrNews() && FileIdentity::of(path_) != seen_)
        reload();
}

const QByteArray* IniSettingsStore::stored(const QString& section, const QString& key) const {
    const auto found = document_.find(section);
    if (found == document_.end()) return nullptr;
    const auto value = found->second.find(key);
    return value == found->second.end() ? nullptr : &value->second;
}

QString IniSettingsStore::read(const QString& section, const QString& key,
                               const QString& fallback) const {
    reloadIfChanged();
    if (const auto found = pending_.find({section, key}); found != pending_.end())
        return found->second;
    if (const QByteArray* written = stored(section, key))
        if (std::optional<QString> text = ini::decode(*written)) return *text;
    return fallback;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    SettingsOperation operation(*this);  // alone, a write is an operation of its own
    pending_[{section, key}] = value;
}

bool IniSettingsStore::contains(const QString& section, const QString& key) const {
    reloadIfChanged();
    return pending_.count({section, key}) != 0 || stored(section, key) != nullptr;
}

void IniSettingsStore::beginOperation() {
    if (depth_++ > 0) return;
    const BackgroundSaver::Claim claim =
        usable_ ? saver_.claim(kLockPatience) : BackgroundSaver::Claim::Refused;
    // After the claim: every save of this copy that let the lock go has told its result, so the
    // values it carried are no longer laid over what the file holds now.
    takeResults();
    claimed_ = claim != BackgroundSaver::Claim::Refused;
    if (claim != BackgroundSaver::Claim::StillHeld) reload();
}

void IniSettingsStore::endOperation(SaveOutcome outcome) {
    if (depth_ == 0) return;
    if (outcome) ending_.push_back(std::move(outcome));
    if (--depth_ > 0) return;
    const quint64 number = save();
    for (SaveOutcome& waiting : std::exchange(ending_, {})) {
        if (number == 0) {
            known_.emplace_back(std::move(waiting), true);
        } else {
            waiting_.emplace_back(number, std::move(waiting));
        }
    }
    takeResults();
    // Any message waits for the player: the lock is not held by then.
    deliverResults();
}

QString IniSettingsStore::fileName() const {
    return path_;
}

void IniSettingsStore::onSaveFailed(std::function<void(const QString&)> handler) {
    onSaveFailed_ = std::move(handler);
}

bool IniSettingsStore::waitForSaves(std::chrono::milliseconds patience) {
    const bool done = saver_.waitUntilDone(patience);
    deliverResults();
    return done;
}

// Values whose save has ended without them reaching the disk.
bool IniSettingsStore::holdsFailedValues() const {
    return std::any_of(unsaved_.begin(), unsaved_.end(),
                       [this](const auto& entry) { return entry.second.save <= lastResult_; });
}

// Ends the open operation's claim; returns the number of the save its values wait for, 0 when
// they are on the disk already.
quint64 IniSettingsStore::save() {
    ini::Document next = document_;
    for (const auto& [where, value] : pending_) {
        next[where.first][where.second] = ini::encode(value);
        unsaved_[where] = {value, 0};
    }
    pending_.clear();
    // Writing back what is stored already (the statistics window does on every activation)
    // needs no trip to the disk.
    if (next == document_ && !holdsFailedValues()) {
        if (claimed_) saver_.release();
        claimed_ = false;
        return unsaved_.empty() ? 0 : lastSave_;
    }
    document_ = std::move(next);
    const quint64 number = ++lastSave_;
    for (auto& entry : unsaved_) entry.second.save = number;  // every one is in this text
    if (claimed_) {
        saver_.save(number,
                    ini::serialise(document_, settings::kSettings, settings::kFirstRun.name));
        claimed_ = false;
    } else {
        record(number, false, {});
    }
    return number;
}

void IniSettingsStore::record(quint64 save, bool saved, const FileIdentity& file) {
    // A save refused at once can be told before an earlier one's sync has ended.
    lastResult_ = std::max(lastResult_, save);
    if (saved) {
        std::erase_if(unsaved_, [save](const auto& entry) { return entry.second.save <= save; });
        seen_ = file;
    } else {
        failed_ = true;
    }
    for (auto entry = waiting_.begin(); entry != waiting_.end();) {
        if (entry->first > save) {
            ++entry;
            continue;
        }
        known_.emplace_back(std::move(entry->second), saved);
        entry = waiting_.erase(entry);
    }
}

void IniSettingsStore::takeResults() {
    for (const BackgroundSaver::Result& result : saver_.takeResults())
        record(result.number, result.saved, result.file);
}

// Safe to re-enter: a message shown here lets events run, and they may come back.
void IniSettingsStore::deliverResults() {
    takeResults();
    if (failed_ && !failureReported_) {
        failureReported_ = true;
        if (onSaveFailed_) onSaveFailed_(path_);
    }
    for (auto& [outcome, saved] : std::exchange(known_, {})) outcome(saved);
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
    SettingsOperation operation(store);
    const long long value =
        saturatingAdd(toInteger(store.read(kSettings, key, QStringLiteral("0")), 0), delta);
    store.write(kSettings, key, QString::number(value));
    return value;
}

}  // namespace settings
