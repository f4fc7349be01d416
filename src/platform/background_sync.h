#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Makes saved files durable on a thread of its own: a sync to the disk can take tens of
// milliseconds, which the window thread must not wait for. Whether the sync happens or not, a
// file renamed into place is already whole for every reader.
class BackgroundSync {
  public:
    BackgroundSync() = default;
    ~BackgroundSync();  // syncs what is still queued first
    BackgroundSync(const BackgroundSync&) = delete;
    BackgroundSync& operator=(const BackgroundSync&) = delete;

    // Takes over `fd`, open on a file just renamed into `folder`, and closes it once synced.
    void syncAndClose(int fd, const QString& folder);

  private:
    struct Saved {
        int fd;
        QString folder;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Saved> queue_;
    bool stopping_ = false;
    std::thread thread_;
};
