#pragma once

#include <QString>

#include <array>

// Which file a path names and how it was last changed: device, inode, size, modification and
// change times (s, ns). A file replaced or rewritten by anyone has another identity.
struct FileIdentity {
    std::array<long long, 7> fields{};  // all 0 when there is no file
    bool operator==(const FileIdentity&) const = default;

    static FileIdentity of(const QString& path);
    static FileIdentity ofOpen(int fd);
};
