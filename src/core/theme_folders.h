#pragma once

#include <QString>
#include <QStringList>

// Where themes live: the folder shipped beside the program (read-only once installed) and the
// player's own folder, which the editor writes to. Both are listed together; where both hold a
// file of the same name, the player's copy is the one listed, read and played.
struct ThemeFolders {
    QString shipped;
    QString user;

    // Theme file names of both folders, each name once, sorted the way a file list box sorts
    // them (alphabetically, ignoring case).
    QStringList list() const;
    // Full paths of the listed themes, in the same order.
    QStringList listPaths() const;
    // The real path of a listed file name.
    QString pathOf(const QString& fileName) const;
    // True when the player's folder holds `fileName` in place of a shipped theme of that name.
    bool hidesShipped(const QString& fileName) const;
    // The one conversion from the stored form of a game's theme ("data\" + file name) to its
    // path. Only the prefix is taken off: a backslash inside the name is part of the name.
    QString resolve(const QString& puzzleFile) const;
    // Creates the player's folder if it is missing; false when it cannot be made.
    bool makeUserFolder() const;
};

// The form a game's theme is stored in: "data\" + file name.
QString storedThemePath(const QString& fileName);
