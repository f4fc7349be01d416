#include "platform/settings_store.h"

#include "platform/settings_schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <chrono>
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

// Reading a device or a pipe would never end, and megabytes of junk would be parsed at every start.
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

struct IniSettingsStore::Identity {
    // Device, inode, size, modification and change times (s, ns); all 0 when there is no file.
    std::array<long long, 7> fields{};
    bool operator==(const Identity&) const = default;
};

IniSettingsStore::Identity IniSettingsStore::identityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return {{static_cast<long long>(info.st_dev), static_cast<long long>(info.st_ino),
             static_cast<long long>(info.st_size), info.st_mtim.tv_sec, info.st_mtim.tv_nsec,
             info.st_ctim.tv_sec, info.st_ctim.tv_nsec}};
}

namespace {

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
    : path_(linkTarget(iniFilePath)),
      seen_(std::make_unique<Identity>()),
      lock_(path_ + QStringLiteral(".flock")) {
    if (!exists(path_)) return;
    const std::optional<QByteArray> bytes =
        isUnusable(QFileInfo(path_)) ? std::nullopt : readFile();
    if (bytes && bytes->isEmpty()) return;
    std::optional<ini::Document> document = bytes ? ini::parse(*bytes) : std::nullopt;
    if (document && holdsMarker(*document)) {
        document_ = std::move(*document);
        *seen_ = identityOf(path_);
        return;
    }
    movedAside_ = moveAside(path_);
    usable_ = !movedAside_.isEmpty();  // left in place, unread; nothing will be saved
}

IniSettingsStore::~IniSettingsStore() = default;

// The bytes of the file, empty when there is none; nullopt when it cannot be read.
std::optional<QByteArray> IniSettingsStore::readFile() const {
    QFile file(path_);
    if (!file.exists()) return QByteArray();
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.read(kMaxFileBytes + 1);
}

// A file another program broke meanwhile is not taken in; the next save replaces it whole.
void IniSettingsStore::reload() const {
    if (!usable_) return;
    *seen_ = identityOf(path_);
    const std::optional<QByteArray> bytes = readFile();
    if (!bytes) return;
    if (std::optional<ini::Document> document = ini::parse(*bytes))
        document_ = std::move(*document);
}

// Every handler reads what any copy of the program saved last.
void IniSettingsStore::reloadIfChanged() const {
    if (depth_ == 0 && usable_ && identityOf(path_) != *seen_) reload();
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
    QDir().mkpath(QFileInfo(path_).absolutePath());
    locked_ = lock_.acquire(kLockPatience);
    reload();
}

bool IniSettingsStore::endOperation() {
    if (depth_ == 0 || --depth_ > 0) return true;
    const bool saved = save();
    lock_.release();
    locked_ = false;
    // The message waits for the player: the other copies must not wait with it.
    if (!saved && !failureReported_) {
        failureReported_ = true;
        if (onSaveFailed_) onSaveFailed_(path_);
    }
    return saved;
}

QString IniSettingsStore::fileName() const {
    return path_;
}

void IniSettingsStore::onSaveFailed(std::function<void(const QString&)> handler) {
    onSaveFailed_ = std::move(handler);
}

bool IniSettingsStore::save() {
    if (pending_.empty()) return true;
    bool saved = false;
    if (usable_ && locked_) {
        ini::Document next = document_;
        for (const auto& [where, value] : pending_)
            next[where.first][where.second] = ini::encode(value);
        // Writing back what is stored already (the statistics window does on every activation)
        // needs no trip to the disk.
        saved = next == document_ ||
                writeFile(ini::serialise(next, settings::kSettings, settings::kFirstRun.name));
        if (saved) {
            document_ = std::move(next);
            *seen_ = identityOf(path_);
            // Unsaved values stay for this run and go to the disk with the next save that works.
            pending_.clear();
        }
    }
    return saved;
}

// The new text goes to a file of its own and is renamed over the old one, so a reader or a crash
// finds the old file or the new one, whole. Only the lock's holder writes, so one name will do.
bool IniSettingsStore::writeFile(const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path_);
    const QByteArray temporary = target + ".saving";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(target.constData(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += n;
    }
    if (written != bytes.size() || ::rename(temporary.constData(), target.constData()) != 0) {
        ::close(fd);
        ::unlink(temporary.constData());
        return false;
    }
    sync_.syncAndClose(fd, QFileInfo(path_).absolutePath());
    return true;
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
