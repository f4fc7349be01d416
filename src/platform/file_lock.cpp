#include "platform/file_lock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <thread>

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing drops the lock
}

bool FileLock::open() {
    if (fd_ < 0)
        fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

// A lock file deleted while open would no longer be the one the other copies lock.
bool FileLock::stillNamed() const {
    struct stat held {
    }, named{};
    return ::fstat(fd_, &held) == 0 && ::stat(QFile::encodeName(path_).constData(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

bool FileLock::acquire(std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (!open()) return false;
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            if (stillNamed()) return true;
            ::close(fd_);  // the next round makes the file anew
            fd_ = -1;
        } else if (errno == EINTR) {
            continue;
        } else if (errno != EWOULDBLOCK) {
            return true;  // no locks here: go on as the only copy
        }
        // Another copy holds it only while it reads and renames one small file.
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void FileLock::release() {
    if (fd_ >= 0) ::flock(fd_, LOCK_UN);
}
