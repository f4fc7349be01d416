#include "platform/file_lock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <thread>

bool FileLock::acquire(std::chrono::milliseconds patience) {
    release();
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return true;  // no locks here: go on as the only copy
        // Another copy holds it only while it reads and renames one small file.
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    release();
    return false;
}

void FileLock::release() {
    if (fd_ < 0) return;
    ::close(fd_);  // closing drops the lock
    fd_ = -1;
}
