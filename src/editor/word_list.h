#pragma once

#include "editor/editor_checks.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// A word list pasted into the editor or read from a text file: one word per line, or a word and
// its question on one line, parted by a tab or by a dash ("word — question", "word - question";
// a hyphen only with blanks around it, as words may not hold one anyway). Blank lines are
// skipped and blanks around each part dropped.
struct ListedWord {
    QString word;
    QString question;
};
std::vector<ListedWord> parseWordList(QStringView text);

// True when pasted text is more than one plain word: more than one row, or a word with its
// question. Anything else is pasted into the box as typed text.
bool isWordList(const std::vector<ListedWord>& list);

// The text of a word-list file: UTF-8 when the bytes are valid UTF-8 (a byte-order mark is
// dropped), else Windows-1252, the code page of theme files.
QString decodeWordListFile(QByteArrayView bytes);

namespace editor {

// The entries with `list` put into the word boxes from `firstRow` on. Each row filled is replaced
// whole: a list with questions ticks the questions box and brings its questions, a list without
// leaves those rows' questions empty. `problem` is the first thing the player should know, in
// the editor's own words where it has them: words that did not fit, then the first word the
// editor would refuse, then a word that can be read inside another.
struct PlacedList {
    EditorEntries entries;
    std::optional<EditorMessage> problem;
};
PlacedList placeWordList(const EditorEntries& entries, const std::vector<ListedWord>& list,
                         int firstRow);

// The row a list read from a file starts at: the one after the last filled word box, so no word
// already typed is replaced.
int rowAfterLastWord(const EditorEntries& entries);

// Shown when the text holds no words at all.
EditorMessage emptyListMessage();

}  // namespace editor
