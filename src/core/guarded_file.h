#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The one way the program reads and writes its files (settings, saved games, themes, the print
// file). A read takes only a regular file and never more than a bound that suits the kind of
// file, so a pipe, a device, a folder or a file of gigabytes costs nothing and never blocks. A
// write goes to a new file beside the old one and is renamed into place once it is whole and on
// the disk: a failed write leaves the old file as it was.
namespace guarded_file {

enum class Links {
    Follow,  // a link to a regular file is read as that file
    Refuse,  // a link in the file's place is not read at all
};

struct Read {
    enum class Status {
        Read,       // `bytes` holds the file's start
        Missing,    // nothing at the path
        NotAFile,   // a folder, pipe, device, socket, or a link where links are refused
        Unreadable  // the file is there but could not be opened or read (`error`)
    } status = Status::Missing;
    QByteArray bytes;    // at most the bound
    bool whole = false;  // the file ended within the bound: `bytes` is all of it
    int error = 0;       // errno of an Unreadable file
};
// Reads up to `maxBytes` of the file at `path`.
Read read(const QString& path, qint64 maxBytes, Links links);

// Replaces (or creates) the file at `path` with `bytes`; its folder must be there. The new file
// is made exclusively beside the old one, written with every result checked, synced,
// renamed over the path (a link there is replaced, never followed) and the folder synced. It
// keeps the permissions of the file it replaces. Returns 0, or the errno of the step that failed,
// in which case the old file is untouched and no new one is left behind.
int replace(const QString& path, QByteArrayView bytes);

// Creates a new file named `start`, a random part, then `end`, exclusively and private to the user,
// holding `bytes` and on the disk; 0 and its path in `created`, or the errno.
int createUnique(const QString& start, const QString& end, QByteArrayView bytes, QString& created);

// Removes the file (a link itself, not what it names); 0, or the errno. A missing file counts
// as removed.
int remove(const QString& path);

// The system's words for an errno, for a message ("No space left on device").
QString describe(int error);

}  // namespace guarded_file
