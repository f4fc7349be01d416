#pragma once

#include <QString>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

// Faults of the disk, made for one test and undone when it ends.

// Every write that would take a file past `bytes` fails with EFBIG, as on a full disk, even for a
// user who may write anywhere.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit tiny = saved_;
        tiny.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int);
};

// Nothing in the folder can be added, removed or renamed: its write permission is taken away,
// and for a user who ignores permissions it is made immutable. `active()` is false where neither
// can be done (a file system without the immutable flag, as root).
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : path_(path.toLocal8Bit()) {
        ::chmod(path_.constData(), 0555);
        if (::access(path_.constData(), W_OK) == 0) immutable_ = setImmutable(true);
        active_ = ::access(path_.constData(), W_OK) != 0 || immutable_;
    }
    ~ReadOnlyFolder() {
        if (immutable_) setImmutable(false);
        ::chmod(path_.constData(), 0755);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool active() const { return active_; }

  private:
    bool setImmutable(bool on) {
        const int fd = ::open(path_.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }

    QByteArray path_;
    bool immutable_ = false;
    bool active_ = false;
};
