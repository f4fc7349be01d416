#include "core/guarded_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace guarded_file {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    void reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int get() const { return fd_; }
    // Closes now, for a caller that must know whether closing failed.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

  private:
    int fd_;
};

// Up to `size` bytes into `buffer`; the count read (short only at the end of the file), or -1.
qint64 readFully(int fd, char* buffer, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += n;
    }
    return done;
}

// 0, or the errno.
int writeFully(int fd, QByteArrayView bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        done += n;
    }
    return 0;
}

// The permissions of a new file: `bits` as the umask leaves them, or exactly `bits`.
struct Mode {
    mode_t bits = 0666;
    bool exact = false;
};

// Makes `name` in `folder` exclusively, never through a link, and puts `bytes` on the disk in
// it; 0, or the errno (EEXIST when the name is taken). A file that failed is removed again.
int createIn(int folder, const QByteArray& name, QByteArrayView bytes, Mode mode) {
    Descriptor file(::openat(folder, name.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode.bits));
    if (file.get() < 0) return errno;
    if (mode.exact) ::fchmod(file.get(), mode.bits);
    int error = writeFully(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (file.close() != 0 && error == 0) error = errno;
    if (error != 0) ::unlinkat(folder, name.constData(), 0);
    return error;
}

// A name not taken yet: `start`, a random part, then `end`; made as createIn makes it.
int createUniqueIn(int folder, const QByteArray& start, const QByteArray& end, QByteArrayView bytes,
                   Mode mode, QByteArray& created) {
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        created = start + QByteArray::number(QRandomGenerator::global()->generate(), 36) + end;
        error = createIn(folder, created, bytes, mode);
    }
    return error;
}

// The folder of `path` open for the calls that take one, and the name in it.
struct Place {
    Descriptor folder;
    QByteArray name;
};
int openPlace(const QString& path, Place& place) {
    const QFileInfo info(path);
    place.name = QFile::encodeName(info.fileName());
    if (place.name.isEmpty()) return EINVAL;
    place.folder.reset(::open(QFile::encodeName(info.absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return place.folder.get() < 0 ? errno : 0;
}

}  // namespace

Read read(const QString& path, qint64 maxBytes, Links links) {
    Read result;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) return result;
    // Without blocking: a pipe must not wait for a writer, nor a device for its data. Leaving the
    // access time alone keeps the journal out of a read, which could wait for a busy disk.
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (links == Links::Refuse) flags |= O_NOFOLLOW;
    int fd = ::open(name.constData(), flags | O_NOATIME);
    if (fd < 0 && errno == EPERM) fd = ::open(name.constData(), flags);  // not the file's owner
    const Descriptor file(fd);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return result;
        result.status = errno == ELOOP ? Read::Status::NotAFile : Read::Status::Unreadable;
        result.error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.status = Read::Status::Unreadable;
        result.error = errno;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.status = Read::Status::NotAFile;
        return result;
    }
    // The size only guides the buffer: the file may grow or shrink while it is read.
    const qint64 want = std::min<qint64>(std::max<qint64>(info.st_size, 0), maxBytes);
    result.bytes.resize(want);
    qint64 got = readFully(fd, result.bytes.data(), want);
    char next = 0;
    qint64 extra = got < 0 ? -1 : readFully(fd, &next, 1);
    // Grown since: the rest up to the bound, a piece at a time.
    while (extra == 1 && got < maxBytes) {
        const qint64 room = std::min<qint64>(maxBytes - got - 1, 64 * 1024);
        result.bytes.resize(got + 1 + room);
        result.bytes[got++] = next;
        const qint64 more = readFully(fd, result.bytes.data() + got, room);
        if (more < 0) {
            got = -1;
            break;
        }
        got += more;
        extra = readFully(fd, &next, 1);
    }
    if (got < 0 || extra < 0) {
        result.status = Read::Status::Unreadable;
        result.error = errno;
        result.bytes.clear();
        return result;
    }
    result.bytes.resize(got);
    result.bytes.squeeze();
    result.status = Read::Status::Read;
    result.whole = extra == 0;
    return result;
}

int replace(const QString& path, QByteArrayView bytes) {
    Place place;
    if (const int error = openPlace(path, place)) return error;
    // The new file keeps the permissions of the one it replaces.
    Mode mode;
    struct stat old {};
    if (::fstatat(place.folder.get(), place.name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(old.st_mode))
        mode = {static_cast<mode_t>(old.st_mode & 07777), true};
    QByteArray temporary;
    if (const int error =
            createUniqueIn(place.folder.get(), place.name + ".saving-", {}, bytes, mode, temporary))
        return error;
    if (::renameat(place.folder.get(), temporary.constData(), place.folder.get(),
                   place.name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(place.folder.get(), temporary.constData(), 0);
        return error;
    }
    // The rename lasts through a power cut once the folder is on the disk. Some file systems
    // cannot sync a folder; the file is in place all the same.
    ::fsync(place.folder.get());
    return 0;
}

int createUnique(const QString& start, const QString& end, QByteArrayView bytes, QString& created) {
    Place place;
    if (const int error = openPlace(start + end, place)) return error;
    const QByteArray startName = QFile::encodeName(QFileInfo(start).fileName());
    QByteArray name;
    const int error =
        createUniqueIn(place.folder.get(), startName, QFile::encodeName(end), bytes, {0600}, name);
    if (error == 0) created = QFileInfo(start).absolutePath() + '/' + QFile::decodeName(name);
    return error;
}

int remove(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::unlink(name.constData()) == 0 || errno == ENOENT) return 0;
    return errno;
}

QString describe(int error) {
    return qt_error_string(error);
}

}  // namespace guarded_file
