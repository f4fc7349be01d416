#include "platform/background_saver.h"

#include "core/guarded_file.h"
#include "platform/file_lock.h"

#include <QDir>
#include <QFileInfo>

#include <condition_variable>
#include <mutex>
#include <optional>

struct BackgroundSaver::Shared {
    explicit Shared(QString path)
        : path(std::move(path)),
          folder(QFileInfo(this->path).absolutePath()),
          lock(this->path + QStringLiteral(".flock")) {}

    struct Job {
        quint64 number;
        QByteArray bytes;
    };

    const QString path;
    const QString folder;
    std::mutex mutex;
    std::condition_variable changed;
    FileLock lock;
    bool prepared = false;  // the thread has made the folder and the lock file
    bool held = false;      // this copy holds the lock
    bool claimed = false;   // an operation on the window thread counts on it
    std::optional<Job> next;
    bool writing = false;  // writing the new file and renaming it, which needs the lock
    bool stopping = false;
    std::vector<Result> results;
    std::function<void()> wake;

    bool done() const { return !next && !writing; }
};

BackgroundSaver::BackgroundSaver(QString path)
    : shared_(std::make_shared<Shared>(std::move(path))),
      thread_([shared = shared_] { run(shared); }) {}

BackgroundSaver::~BackgroundSaver() {
    {
        const std::lock_guard guard(shared_->mutex);
        shared_->stopping = true;
    }
    shared_->changed.notify_all();
    if (waitUntilDone(kPatience)) {
        thread_.join();
        return;
    }
    // A disk that does not answer must not keep the program from ending; the save in hand still
    // lands whole or not at all.
    const std::lock_guard guard(shared_->mutex);
    shared_->wake = nullptr;
    thread_.detach();
}

void BackgroundSaver::run(const std::shared_ptr<Shared>& shared) {
    // Made ahead, so that no operation waits for the disk to create them.
    // The window thread leaves the lock alone until they are.
    QDir().mkpath(shared->folder);
    shared->lock.open();
    std::unique_lock guard(shared->mutex);
    shared->prepared = true;
    shared->changed.notify_all();
    for (;;) {
        shared->changed.wait(guard, [&] { return shared->stopping || shared->next; });
        if (!shared->next) return;
        const Shared::Job job = std::move(*shared->next);
        shared->next.reset();
        shared->writing = true;
        guard.unlock();

        // A new file beside the old one, on the disk before it is renamed into place, so a
        // reader or a crash finds the old file or the new one, whole. Only the lock's holder
        // writes, so the file in place is the one written.
        const bool saved = guarded_file::replace(shared->path, job.bytes) == 0;
        const FileIdentity file = saved ? FileIdentity::of(shared->path) : FileIdentity{};

        guard.lock();
        shared->writing = false;
        // Told before the lock goes: whoever takes it next knows what the file holds.
        shared->results.push_back({job.number, saved, file});
        if (!shared->next && !shared->claimed) {
            shared->lock.release();
            shared->held = false;
        }
        shared->changed.notify_all();
        if (shared->wake) shared->wake();
    }
}

BackgroundSaver::Claim BackgroundSaver::claim(std::chrono::milliseconds patience) {
    {
        std::unique_lock guard(shared_->mutex);
        shared_->changed.wait(guard, [&] { return shared_->prepared; });
        shared_->claimed = true;
        if (shared_->held) return Claim::StillHeld;
    }
    // Not held, so the saver's thread leaves the lock alone: waiting for it blocks no result.
    // A folder removed while the program runs is made again here, the one time it is missing.
    if (!QFileInfo::exists(shared_->folder)) QDir().mkpath(shared_->folder);
    const bool taken = shared_->lock.acquire(patience);
    const std::lock_guard guard(shared_->mutex);
    shared_->held = taken;
    shared_->claimed = taken;
    return taken ? Claim::Taken : Claim::Refused;
}

void BackgroundSaver::release() {
    const std::lock_guard guard(shared_->mutex);
    shared_->claimed = false;
    if (shared_->held && !shared_->next && !shared_->writing) {
        shared_->lock.release();
        shared_->held = false;
    }
}

void BackgroundSaver::save(quint64 number, QByteArray bytes) {
    {
        const std::lock_guard guard(shared_->mutex);
        // Each text holds everything saved before it: only the newest needs the disk.
        shared_->next = Shared::Job{number, std::move(bytes)};
        shared_->claimed = false;
    }
    shared_->changed.notify_all();
}

bool BackgroundSaver::holdsLockOrNews() const {
    const std::lock_guard guard(shared_->mutex);
    return shared_->held || !shared_->results.empty();
}

std::vector<BackgroundSaver::Result> BackgroundSaver::takeResults() {
    const std::lock_guard guard(shared_->mutex);
    return std::exchange(shared_->results, {});
}

bool BackgroundSaver::waitUntilDone(std::chrono::milliseconds patience) {
    std::unique_lock guard(shared_->mutex);
    return shared_->changed.wait_for(guard, patience, [&] { return shared_->done(); });
}

void BackgroundSaver::onResult(std::function<void()> wake) {
    const std::lock_guard guard(shared_->mutex);
    shared_->wake = std::move(wake);
}
