#include "platform/file_identity.h"

#include <QFile>

#include <sys/stat.h>

namespace {
FileIdentity identityFrom(const struct stat& info) {
    return {{static_cast<long long>(info.st_dev), static_cast<long long>(info.st_ino),
             static_cast<long long>(info.st_size), info.st_mtim.tv_sec, info.st_mtim.tv_nsec,
             info.st_ctim.tv_sec, info.st_ctim.tv_nsec}};
}
}  // namespace

FileIdentity FileIdentity::of(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return identityFrom(info);
}

FileIdentity FileIdentity::ofOpen(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {};
    return identityFrom(info);
}
