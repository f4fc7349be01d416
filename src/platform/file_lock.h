#pragma once

#include <QString>

#include <chrono>

// A lock shared by every copy of the program through a file of its own: one copy at a time
// reads, changes and saves the settings. The system drops it when its holder ends, however it
// ends, so a killed copy never leaves it taken. The file stays open between uses: taking the
// lock again then needs no trip to the disk.
class FileLock {
  public:
    explicit FileLock(QString path) : path_(std::move(path)) {}
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens (and if need be creates) the lock file; false when it cannot be made.
    bool open();
    // Waits up to `patience` for the other copies; false when one kept the lock all that time or
    // the lock file cannot be made. A file system without locks is used without one.
    bool acquire(std::chrono::milliseconds patience);
    void release();

  private:
    bool stillNamed() const;

    QString path_;
    int fd_ = -1;
};
