#pragma once

#include "core/game_vocabulary.h"
#include "core/theme_problem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// Theme files: title line, "!" + author line, header "#NN" + "W"/"WQ", then the word lines
// (each followed by its question line when the theme has questions). The writer ends lines in
// CR LF; readers take CR LF, LF or a lone CR, in any mix. Text is Windows-1252; a UTF-8
// byte-order mark before the title is skipped.

// A theme holds a few hundred bytes; the readers read no more of a file than this, and a theme
// whose lines do not all lie within it is no theme. Only regular files are read (a link to one
// counts), so a pipe, a device or a folder is refused at once.
constexpr qint64 kMaxThemeBytes = 64 * 1024;

// What the new-game dialog shows: title, author, the two count characters, question flag.
struct ThemeHeader {
    QString title;
    QString author;
    QString countText;          // characters 2-3 of the header line, as stored
    bool hasQuestions = false;  // last character of the header line is "Q"
};
// Fails on a missing/unreadable file, fewer than three lines or an author line with no character.
// A reader given `problem` says there why it failed.
std::optional<ThemeHeader> readThemeHeader(const QString& path, ThemeProblem* problem = nullptr);
// Each reader also takes the file's bytes already in memory and reads them the same way.
std::optional<ThemeHeader> parseThemeHeader(QByteArrayView bytes);

// The whole theme as the generator reads it: words upper-cased into slots 1..wordCount. Fails
// unless the count is 1..kMaxWords and every slot gets a word (and its question when there are
// any).
struct ThemeContents {
    int wordCount = 0;
    bool hasQuestions = false;  // last character of the header line is not "W"
    std::array<QString, kMaxWords + 1> words{};
    std::array<QString, kMaxWords + 1> questions{};
    std::array<int, kMaxWords + 1> wordLines{};  // the line of the file each word was read from
};
std::optional<ThemeContents> readTheme(const QString& path, ThemeProblem* problem = nullptr);
std::optional<ThemeContents> parseTheme(QByteArrayView bytes);

// The theme as the editor loads it: words and questions in the stored case.
struct EditorTheme {
    QString title;
    QString author;
    int wordCount = 0;
    bool questionsOn = false;
    std::array<QString, kMaxWords + 1> words{};
    std::array<QString, kMaxWords + 1> questions{};
};
std::optional<EditorTheme> loadThemeForEditor(const QString& path);
std::optional<EditorTheme> parseThemeForEditor(QByteArrayView bytes);

struct ThemeToWrite {
    QString title;
    QString author;  // written after "!"; the caller substitutes "Anonymous" for an empty box
    bool withQuestions = false;
    std::vector<QString> words;
    std::vector<QString> questions;  // used when withQuestions
};
// The file's bytes; nothing when the count is above kMaxWords, questions are missing, a line holds
// a line break or the whole is longer than kMaxThemeBytes.
std::optional<QByteArray> encodeTheme(const ThemeToWrite& theme);
// Writes atomically: the old file is replaced only once the new one is complete and on the disk
// (a link at the path is replaced, not written through).
bool writeTheme(const QString& path, const ThemeToWrite& theme);
