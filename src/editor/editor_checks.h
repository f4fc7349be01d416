#pragma once

#include "core/theme_file.h"
#include "platform/dialogs.h"

#include <QString>

#include <array>
#include <optional>

// What the player typed into the puzzle editor. Index 0 of the arrays is unused so that box i
// keeps the number the player sees.
struct EditorEntries {
    static constexpr int kBoxes = 20;
    QString title;
    QString author;
    bool questionsOn = false;
    std::array<QString, kBoxes + 1> words{};
    std::array<QString, kBoxes + 1> questions{};
};

// A message box to show: text, title, buttons, icon.
struct EditorMessage {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

namespace editor {

constexpr int kMinWords = 10;
constexpr int kMinLetters = 3;
constexpr int kMaxLetters = 14;

// Title of the boxes that name none of their own.
inline const QString kDefaultMessageTitle = QStringLiteral("Quarrow");

// The first entry that stops "Create Puzzle File", in the order the player meets them: the
// title, then row by row the word, its question (rows 1..10), its length and its letters. Rows
// after the tenth are looked at only up to the first empty word box, after which no word may
// follow. Text the file cannot store comes last.
std::optional<EditorMessage> firstFailingCheck(const EditorEntries& entries);

// A filled word box after the first empty one, whose word would be lost: the empty box is named.
std::optional<EditorMessage> wordAfterAGap(const EditorEntries& entries);

// The editor's refusal of one word: too short, too long, or not plain letters.
std::optional<EditorMessage> wordProblem(const QString& word);

// Said when one of the first `wordCount` words can be read inside another: before saving as a
// Yes/No question (Yes saves anyway), after a word list is put in the boxes as a notice.
enum class NestedWordUse { SaveQuestion, Notice };
std::optional<EditorMessage> nestedWordMessage(const EditorEntries& entries, int wordCount,
                                               NestedWordUse use);

// The title, author and saved questions must fit the file's code page: the first box holding a
// character that would be stored as "?" is named, with the character.
std::optional<EditorMessage> firstUnsavableText(const EditorEntries& entries);

// Words that are saved: the filled word boxes before the first empty one, counting from box 1.
int savedWordCount(const EditorEntries& entries);

// The save dialog's answer as the file is written: ".Qrw" added unless it already ends in
// ".qrw" in any case.
QString withThemeExtension(const QString& path);

// The author line's name: "Anonymous" stands in for an empty box.
QString authorOrAnonymous(const QString& author);

// The file contents for the first `wordCount` rows. Line breaks pasted into the free-text
// boxes become blanks, so they cannot split a line of the file.
ThemeToWrite themeToWrite(const EditorEntries& entries, int wordCount);

// Leaving asks first only when some word box holds text.
bool cancelNeedsQuestion(const EditorEntries& entries);

// Messages of the editor and its loader.
EditorMessage overwriteQuestion();
EditorMessage createdMessage();
EditorMessage writeFailedMessage();
EditorMessage cancelQuestion();
EditorMessage invalidFileMessage();
EditorMessage missingFileMessage(const QString& path);
EditorMessage unreadableListMessage(const QString& path);

}  // namespace editor
