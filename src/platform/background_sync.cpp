#include "platform/background_sync.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

BackgroundSync::~BackgroundSync() {
    if (!thread_.joinable()) return;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundSync::syncAndClose(int fd, const QString& folder) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back({fd, folder});
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    wake_.notify_one();
}

void BackgroundSync::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;
        std::deque<Saved> batch;
        batch.swap(queue_);
        lock.unlock();
        // Each save holds everything before it: only the newest file needs the disk.
        for (std::size_t i = 0; i + 1 < batch.size(); ++i) ::close(batch[i].fd);
        const Saved& newest = batch.back();
        ::fdatasync(newest.fd);
        ::close(newest.fd);
        // The rename is durable once the folder is.
        const int folder = ::open(QFile::encodeName(newest.folder).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        lock.lock();
    }
}
