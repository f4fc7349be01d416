#include "editor/editor_files.h"

#include "core/game_state.h"
#include "core/guarded_file.h"
#include "editor/word_list.h"
#include "platform/services.h"

#include <QFileInfo>

namespace editor {
namespace {

// Asks until the player settles on a file name; empty text when the dialog is cancelled. The
// overwrite question looks at the name actually written, extension included, so an existing
// theme is never replaced without asking.
QString chooseTarget(Services& services) {
    for (;;) {
        // The shipped folder is read-only once installed: new themes go to the player's own.
        services.themeFolders().makeUserFolder();
        const QString chosen =
            services.dialogs.saveFile(services.userThemeFolder, QStringLiteral(".qrw"));
        if (chosen.isEmpty()) return {};
        const QString path = withThemeExtension(chosen);
        if (!QFileInfo::exists(path)) return path;
        if (show(services.dialogs, overwriteQuestion()) == MsgAnswer::Yes) return path;
    }
}

}  // namespace

MsgAnswer show(Dialogs& dialogs, const EditorMessage& message) {
    return dialogs.message(message.text, message.title, message.buttons, message.icon);
}

SaveOutcome createPuzzleFile(Services& services, EditorEntries& entries) {
    if (const auto failure = firstFailingCheck(entries)) {
        show(services.dialogs, *failure);
        return SaveOutcome::Rejected;
    }
    services.state.editorWordCount = savedWordCount(entries);
    if (const auto warning = nestedWordMessage(entries, services.state.editorWordCount,
                                               NestedWordUse::SaveQuestion)) {
        if (show(services.dialogs, *warning) != MsgAnswer::Yes) return SaveOutcome::Rejected;
    }
    const QString path = chooseTarget(services);
    if (path.isEmpty()) return SaveOutcome::Cancelled;
    entries.author = authorOrAnonymous(entries.author);
    if (!writeTheme(path, themeToWrite(entries, services.state.editorWordCount))) {
        show(services.dialogs, writeFailedMessage());
        return SaveOutcome::Failed;
    }
    show(services.dialogs, createdMessage());
    return SaveOutcome::Saved;
}

bool isWordListFile(const QString& path) {
    return !path.endsWith(QLatin1String(".qrw"), Qt::CaseInsensitive);
}

std::optional<QString> readWordListFile(Services& services, const QString& path) {
    // Far more than any list of twenty words and their questions.
    constexpr qint64 kLargestList = 1 << 20;
    const guarded_file::Read file =
        guarded_file::read(path, kLargestList, guarded_file::Links::Follow);
    if (file.status == guarded_file::Read::Status::Missing) {
        show(services.dialogs, missingFileMessage(path));
        return std::nullopt;
    }
    if (file.status != guarded_file::Read::Status::Read || !file.whole) {
        show(services.dialogs, unreadableListMessage(path));
        return std::nullopt;
    }
    return decodeWordListFile(file.bytes);
}

std::optional<EditorTheme> pickPuzzleToEdit(Services& services) {
    const ThemeFolders folders = services.themeFolders();
    // Other files are browsed from the player's folder once there is one.
    const QString browseFrom = QFileInfo(folders.user).isDir() ? folders.user : folders.shipped;
    const QString path =
        services.dialogs.openFile(folders.listPaths(), browseFrom, QStringLiteral("Qrw"));
    if (path.isEmpty()) return std::nullopt;
    return loadPuzzleToEdit(services, path);
}

std::optional<EditorTheme> loadPuzzleToEdit(Services& services, const QString& path) {
    if (!QFileInfo::exists(path)) {
        show(services.dialogs, missingFileMessage(path));
        return std::nullopt;
    }
    auto theme = loadThemeForEditor(path);
    if (!theme) {
        show(services.dialogs, invalidFileMessage());
        return std::nullopt;
    }
    services.state.editorWordCount = theme->wordCount;
    return theme;
}

}  // namespace editor
