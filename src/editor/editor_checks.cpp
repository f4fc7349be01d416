#include "editor/editor_checks.h"

#include "core/cp1252.h"
#include "core/nested_words.h"

#include <QDir>

#include <utility>
#include <vector>

namespace editor {
namespace {

const QString kIncompleteTitle = QStringLiteral("Incomplete Puzzle!");

bool isPlainLetter(QChar c) {
    // Only A-Z and a-z: characters that upper-case into A-Z from elsewhere (the dotless i, the
    // long s) cannot be stored in the file and are refused with the rest.
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

std::optional<EditorMessage> checkRow(const EditorEntries& entries, int row) {
    const QString& word = entries.words[row];
    if (row <= kMinWords && word.isEmpty())
        return EditorMessage{
            QStringLiteral("Please fill in atleast 10 word boxes before continuing!"),
            kIncompleteTitle, MsgButtons::Ok, MsgIcon::Information};
    // Rows after the tenth may leave their question empty; the word list shows the word there.
    if (row <= kMinWords && entries.questionsOn && entries.questions[row].isEmpty())
        return EditorMessage{
            QStringLiteral("The word related question boxes are active, Please fill in the "
                           "required boxes or disable them by ticking the relevant checkbox "
                           "before continuing!"),
            kIncompleteTitle, MsgButtons::Ok, MsgIcon::Information};
    return wordProblem(word);
}

QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

}  // namespace

std::optional<EditorMessage> wordProblem(const QString& word) {
    if (word.size() < kMinLetters)
        return EditorMessage{QStringLiteral("All words must be at least 3 characters long"),
                             kDefaultMessageTitle, MsgButtons::Ok, MsgIcon::None};
    if (word.size() > kMaxLetters)
        return EditorMessage{QStringLiteral("Words cannot exceed 14 characters"),
                             kDefaultMessageTitle, MsgButtons::Ok, MsgIcon::None};
    for (const QChar c : word) {
        if (!isPlainLetter(c))
            return EditorMessage{
                QStringLiteral("Words may only contain standard characters [A-Z or a-z]"),
                QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::None};
    }
    return std::nullopt;
}

std::optional<EditorMessage> firstFailingCheck(const EditorEntries& entries) {
    if (entries.title.isEmpty())
        return EditorMessage{QStringLiteral("Please select a name for your puzzle!"),
                             QStringLiteral("Name Undefined!"), MsgButtons::Ok,
                             MsgIcon::Information};
    for (int row = 1; row <= EditorEntries::kBoxes; ++row) {
        if (row > kMinWords && entries.words[row].isEmpty()) break;
        if (auto failure = checkRow(entries, row)) return failure;
    }
    if (auto gap = wordAfterAGap(entries)) return gap;
    return firstUnsavableText(entries);
}

std::optional<EditorMessage> wordAfterAGap(const EditorEntries& entries) {
    // Only the words before the first empty box are saved: a word after it would be lost.
    const int firstEmpty = savedWordCount(entries) + 1;
    for (int row = firstEmpty + 1; row <= EditorEntries::kBoxes; ++row) {
        if (entries.words[row].isEmpty()) continue;
        return EditorMessage{
            QStringLiteral("The word box %1 is empty but words follow it, and they would not be "
                           "saved. Please fill in word box %1 or move the words after it up "
                           "before continuing.")
                .arg(firstEmpty),
            kIncompleteTitle, MsgButtons::Ok, MsgIcon::Information};
    }
    return std::nullopt;
}

std::optional<EditorMessage> firstUnsavableText(const EditorEntries& entries) {
    std::vector<std::pair<QString, QString>> boxes{{QStringLiteral("Puzzle Title"), entries.title},
                                                   {QStringLiteral("Author"), entries.author}};
    if (entries.questionsOn) {
        for (int row = 1; row <= savedWordCount(entries); ++row)
            boxes.emplace_back(QStringLiteral("Question %1").arg(row), entries.questions[row]);
    }
    for (const auto& [box, text] : boxes) {
        const QString character = firstOutsideCp1252(text);
        if (character.isEmpty()) continue;
        return EditorMessage{
            QStringLiteral("The %1 box holds a character that a Quarrow puzzle file cannot store "
                           "(\"%2\"). Please replace it before continuing.")
                .arg(box, character),
            QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Information};
    }
    return std::nullopt;
}

int savedWordCount(const EditorEntries& entries) {
    int count = 0;
    while (count < EditorEntries::kBoxes && !entries.words[count + 1].isEmpty()) ++count;
    return count;
}

QString withThemeExtension(const QString& path) {
    if (path.toLower().endsWith(QLatin1String(".qrw"))) return path;
    return path + QStringLiteral(".Qrw");
}

QString authorOrAnonymous(const QString& author) {
    return author.isEmpty() ? QStringLiteral("Anonymous") : author;
}

ThemeToWrite themeToWrite(const EditorEntries& entries, int wordCount) {
    ThemeToWrite theme;
    theme.title = oneLine(entries.title);
    theme.author = oneLine(authorOrAnonymous(entries.author));
    theme.withQuestions = entries.questionsOn;
    for (int i = 1; i <= wordCount; ++i) {
        theme.words.push_back(entries.words[i]);
        if (entries.questionsOn) theme.questions.push_back(oneLine(entries.questions[i]));
    }
    return theme;
}

bool cancelNeedsQuestion(const EditorEntries& entries) {
    for (int i = 1; i <= EditorEntries::kBoxes; ++i)
        if (!entries.words[i].isEmpty()) return true;
    return false;
}

EditorMessage overwriteQuestion() {
    return {QStringLiteral("File already exists! Do you want to overwrite this file?"),
            QStringLiteral("Overwrite File?"), MsgButtons::YesNo, MsgIcon::Critical};
}

EditorMessage createdMessage() {
    return {QStringLiteral("QRW puzzle successfully created!"),
            QStringLiteral("Creation Successful"), MsgButtons::Ok, MsgIcon::Information};
}

EditorMessage writeFailedMessage() {
    return {QStringLiteral("Error creating puzzle!"), QStringLiteral("Error!"), MsgButtons::Ok,
            MsgIcon::Critical};
}

EditorMessage cancelQuestion() {
    return {QStringLiteral(
                "Any updates to this puzzle won't been saved, are you sure you want to quit?"),
            QStringLiteral("Cancel Create Puzzle"), MsgButtons::YesNo, MsgIcon::Exclamation};
}

std::optional<EditorMessage> nestedWordMessage(const EditorEntries& entries, int wordCount,
                                               NestedWordUse use) {
    const std::vector<QString> words(entries.words.begin() + 1,
                                     entries.words.begin() + 1 + wordCount);
    const auto nested = firstWordInsideAnother(words);
    if (!nested) return std::nullopt;
    QString text = QStringLiteral(
                       "The word \"%1\" can be read inside \"%2\"%3. A player who finds it "
                       "there will not have it counted.")
                       .arg(words[nested->inner], words[nested->outer],
                            nested->reversed ? QStringLiteral(" backwards") : QString());
    const QString title = QStringLiteral("Word Inside Another");
    if (use == NestedWordUse::Notice)
        return EditorMessage{text, title, MsgButtons::Ok, MsgIcon::Exclamation};
    text += QStringLiteral(" Do you want to save the puzzle anyway?");
    return EditorMessage{text, title, MsgButtons::YesNo, MsgIcon::Exclamation};
}

EditorMessage invalidFileMessage() {
    return {QStringLiteral("Not a valid Quarrow file!"), QStringLiteral("Error"), MsgButtons::Ok,
            MsgIcon::Critical};
}

EditorMessage missingFileMessage(const QString& path) {
    return {QStringLiteral("The file %1 does not exist.").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Critical};
}

EditorMessage unreadableListMessage(const QString& path) {
    return {QStringLiteral("The file %1 cannot be read as a word list.")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Error"), MsgButtons::Ok, MsgIcon::Critical};
}

}  // namespace editor
