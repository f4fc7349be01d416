#include "editor/word_list.h"

#include "core/cp1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr char16_t kEmDash = 0x2014;
constexpr char16_t kEnDash = 0x2013;

// Where the word ends and the question starts on one line, as [end of word, start of question);
// nothing for a line holding a word alone.
std::optional<std::pair<qsizetype, qsizetype>> findSeparator(QStringView line) {
    if (const qsizetype tab = line.indexOf(QLatin1Char('\t')); tab >= 0)
        return std::pair{tab, tab + 1};
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t c = line[i].unicode();
        if (c == kEmDash || c == kEnDash) return std::pair{i, i + 1};
        const bool blankBefore = i > 0 && line[i - 1].isSpace();
        const bool blankAfter = i + 1 < line.size() && line[i + 1].isSpace();
        if (c == '-' && blankBefore && blankAfter) return std::pair{i, i + 1};
    }
    return std::nullopt;
}

}  // namespace

std::vector<ListedWord> parseWordList(QStringView text) {
    std::vector<ListedWord> list;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\n') &&
               text[end] != QLatin1Char('\r'))
            ++end;
        QStringView line = text.sliced(start, end - start);
        // CR LF is one line break.
        start = end + (end + 1 < text.size() && text[end] == QLatin1Char('\r') &&
                               text[end + 1] == QLatin1Char('\n')
                           ? 2
                           : 1);
        if (line.startsWith(QChar(0xFEFF))) line = line.sliced(1);
        ListedWord row;
        if (const auto separator = findSeparator(line)) {
            row.word = line.first(separator->first).trimmed().toString();
            row.question = line.sliced(separator->second).toString().simplified();
        } else {
            row.word = line.trimmed().toString();
        }
        if (!row.word.isEmpty()) list.push_back(std::move(row));
    }
    return list;
}

bool isWordList(const std::vector<ListedWord>& list) {
    return list.size() > 1 || (list.size() == 1 && !list.front().question.isEmpty());
}

QString decodeWordListFile(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeCp1252(bytes);
}

namespace editor {

PlacedList placeWordList(const EditorEntries& entries, const std::vector<ListedWord>& list,
                         int firstRow) {
    PlacedList placed{entries, std::nullopt};
    if (list.empty()) {
        placed.problem = emptyListMessage();
        return placed;
    }
    const auto withQuestion = [](const ListedWord& row) { return !row.question.isEmpty(); };
    const bool bringsQuestions = std::any_of(list.begin(), list.end(), withQuestion);
    if (bringsQuestions) placed.entries.questionsOn = true;

    const int room = std::max(0, EditorEntries::kBoxes - firstRow + 1);
    const int fitting = std::min(room, static_cast<int>(list.size()));
    for (int i = 0; i < fitting; ++i) {
        placed.entries.words[firstRow + i] = list[i].word;
        placed.entries.questions[firstRow + i] = list[i].question;
    }

    if (fitting < static_cast<int>(list.size())) {
        placed.problem = EditorMessage{
            QStringLiteral("%1 of the %2 words in the list did not fit in the %3 word boxes and "
                           "were left out, from \"%4\" on.")
                .arg(list.size() - fitting)
                .arg(list.size())
                .arg(EditorEntries::kBoxes)
                .arg(list[fitting].word),
            QStringLiteral("Too Many Words"), MsgButtons::Ok, MsgIcon::Information};
        return placed;
    }
    for (int i = 0; i < fitting; ++i) {
        if (auto problem = wordProblem(list[i].word)) {
            placed.problem = problem;
            return placed;
        }
    }
    placed.problem =
        nestedWordMessage(placed.entries, savedWordCount(placed.entries), NestedWordUse::Notice);
    return placed;
}

int rowAfterLastWord(const EditorEntries& entries) {
    int last = EditorEntries::kBoxes;
    while (last > 0 && entries.words[last].isEmpty()) --last;
    return last + 1;
}

EditorMessage emptyListMessage() {
    return {QStringLiteral("There are no words in this list."), QStringLiteral("No Words"),
            MsgButtons::Ok, MsgIcon::Information};
}

}  // namespace editor
