#pragma once

#include "core/theme_file.h"
#include "editor/editor_checks.h"

#include <optional>

struct Services;

namespace editor {

enum class SaveOutcome {
    Rejected,   // a check failed and its message was shown, or the player chose not to save
    Cancelled,  // the save dialog was cancelled
    Failed,     // the file could not be written; any old file is untouched
    Saved
};

// "Create Puzzle File": checks the entries, asks whether to save a word that hides inside
// another, asks for the file (again after declining to overwrite), writes it and reports. An empty
// author becomes "Anonymous" in `entries`, as the box shows it.
SaveOutcome createPuzzleFile(Services& services, EditorEntries& entries);

// "Edit QRW Puzzle": asks for a theme file and reads it for the editor. Nothing when the
// dialog is cancelled; the invalid-file message when it cannot be read.
std::optional<EditorTheme> pickPuzzleToEdit(Services& services);
// Reads the named theme file for the editor, with a message naming a file that is not there and
// the invalid-file message for one that cannot be read.
std::optional<EditorTheme> loadPuzzleToEdit(Services& services, const QString& path);

// A file named on the command line is a word list unless its name ends in ".qrw" (any case).
bool isWordListFile(const QString& path);
// The text of a word-list file, with a message naming a file that is not there or cannot be
// read as one.
std::optional<QString> readWordListFile(Services& services, const QString& path);

// Shows one of the editor's message boxes.
MsgAnswer show(Dialogs& dialogs, const EditorMessage& message);

}  // namespace editor
