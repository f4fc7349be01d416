#pragma once

#include "core/game_session.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// A game in play kept between runs of the program: a small versioned text of its own, holding
// everything needed to go on with it, so it resumes even if its theme has changed or gone.

// The text of a game in play; a session in any other phase gives an empty text.
QByteArray savedGameText(const GameSession& session);
// The game the text describes, in play; nullopt for a text that is cut short, hand-edited into
// something that is no game, or written by a newer version.
std::optional<GameSession> parseSavedGame(QByteArrayView text);

// Writes atomically, creating the folder: the file is replaced only once the new one is
// complete and on the disk, never written through a link. 0, or the errno of the failure (the
// old file is then as it was).
int writeSavedGame(const QString& path, const GameSession& session);

struct SavedGameLoad {
    enum class Status {
        Missing,
        Loaded,
        Unreadable,  // no game, or not a file of its own (a link, a pipe, a device, a folder)
        Stuck,       // a game, but it cannot be removed from the disk (`error`), so it stays there
    } status = Status::Missing;
    std::optional<GameSession> session;  // when Loaded
    QString movedTo;                     // when Unreadable: where the file now is
    int error = 0;                       // when Stuck: why it could not be removed
};
// Takes the saved game out of its file: a game that loads is removed from disk (it is being
// played again) and is handed out only once it is, a file that cannot be read is moved aside
// under a new name, never lost.
SavedGameLoad takeSavedGame(const QString& path);
