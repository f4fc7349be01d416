#include "core/theme_file.h"

#include "core/cp1252.h"

#include "core/guarded_file.h"

#include <QStringList>

#include <algorithm>

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// Reads theme lines from a file's start or from bytes in memory. A line ends at CR LF, at a
// lone CR or at a lone LF, in any mix (files pass through Windows, Linux and old Mac tools
// alike), and the last line may end at the end of the file. A UTF-8 byte-order mark some editors
// put in front of the first line is skipped. Only the first kMaxThemeBytes of a file are read:
// a reader that needs more has met no theme, and finds the bound where the file's end would be.
class LineReader {
  public:
    explicit LineReader(const QString& path) {
        guarded_file::Read file =
            guarded_file::read(path, kMaxThemeBytes, guarded_file::Links::Follow);
        open_ = file.status == guarded_file::Read::Status::Read;
        whole_ = file.whole;
        buffer_ = std::move(file.bytes);
        // Only whole lines: the last one read may go on past the bound.
        end_ = whole_ ? buffer_.size()
                      : std::max(buffer_.lastIndexOf('\n'), buffer_.lastIndexOf('\r')) + 1;
    }
    explicit LineReader(QByteArrayView bytes)
        : open_(true),
          buffer_(QByteArray::fromRawData(bytes.data(), bytes.size())),
          end_(buffer_.size()) {}

    bool isOpen() const { return open_; }
    // The file goes on past what was read: the lines ran out at the bound, not at its end.
    bool atBound() const { return !whole_ && pos_ >= end_; }
    // The number of the line the last call to next() returned, counting from 1.
    int lineNumber() const { return lineNumber_; }

    // The next line without its end, or nothing at the end of the file (or at the bound). With
    // keep false the line is passed over and an empty array stands for it.
    std::optional<QByteArray> next(bool keep = true) {
        if (atStart_) skipByteOrderMark();
        if (pos_ >= end_) return std::nullopt;
        ++lineNumber_;
        const char* start = buffer_.constData() + pos_;
        const char* stop = buffer_.constData() + end_;
        const char* lineEnd =
            std::find_if(start, stop, [](char c) { return c == '\r' || c == '\n'; });
        QByteArray line = keep ? QByteArray(start, lineEnd - start) : QByteArray();
        pos_ += lineEnd - start;
        if (lineEnd != stop) {
            ++pos_;
            if (*lineEnd == '\r' && pos_ < buffer_.size() && buffer_.at(pos_) == '\n') ++pos_;
        }
        return line;
    }

  private:
    void skipByteOrderMark() {
        atStart_ = false;
        if (buffer_.startsWith(kByteOrderMark)) pos_ = 3;
    }

    bool open_ = false;
    bool whole_ = true;  // the lines end at the end of the file, not at the bound
    bool atStart_ = true;
    int lineNumber_ = 0;
    QByteArray buffer_;
    qsizetype end_ = 0;  // where the lines read end
    qsizetype pos_ = 0;
};

// The word count is characters 2-3 of the header line; only plain digits make a number.
std::optional<int> headerCount(const QByteArray& header) {
    const QByteArray text = header.mid(1, 2);
    if (text.isEmpty()) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The first slot among 1..count still holding no text. Only that slot is ever filled and a
// filled slot stays filled, so the search resumes where it last stopped.
class FirstEmptySlot {
  public:
    FirstEmptySlot(const std::array<QString, kMaxWords + 1>& entries, int count)
        : entries_(entries), count_(count) {}

    std::optional<int> operator()() {
        while (next_ <= count_ && !entries_[next_].isEmpty()) ++next_;
        if (next_ > count_) return std::nullopt;
        return next_;
    }

  private:
    const std::array<QString, kMaxWords + 1>& entries_;
    int count_;
    int next_ = 1;
};

// One character at a time, so a word keeps its length.
QString upperCased(QString text) {
    for (QChar& c : text) c = c.toUpper();
    return text;
}

// Records why a reader stopped, for a caller that asked.
class Failure {
  public:
    explicit Failure(ThemeProblem* problem) : problem_(problem) {}

    std::nullopt_t operator()(int line, const QString& expected, const QString& found) const {
        if (problem_) *problem_ = {line, expected, found};
        return std::nullopt;
    }
    std::nullopt_t unreadable() const { return (*this)(0, {}, {}); }
    // The lines ran out before line `line`: at the end of the file, or at the bound of a file
    // too long to be a theme.
    std::nullopt_t ranOut(const LineReader& reader, int line, const QString& expected) const {
        if (reader.atBound())
            return (*this)(
                line, QStringLiteral("a theme file of at most %1 KB").arg(kMaxThemeBytes / 1024),
                QStringLiteral("a longer file"));
        return (*this)(line, expected, QStringLiteral("the end of the file"));
    }

  private:
    ThemeProblem* problem_;
};

const QString kTitleLine = QStringLiteral("the title");
const QString kAuthorLine = QStringLiteral("\"!\" followed by the author's name");
const QString kHeaderLine =
    QStringLiteral("\"#\", the number of words from 01 to 20, then W or WQ (as in #12W)");

QString quotedLine(const QByteArray& line) {
    return quotedThemeText(decodeCp1252(line));
}

std::optional<ThemeHeader> headerFrom(LineReader& reader, ThemeProblem* problem = nullptr) {
    const Failure fail(problem);
    if (!reader.isOpen()) return fail.unreadable();
    const auto title = reader.next();
    if (!title) return fail.ranOut(reader, 1, kTitleLine);
    const auto author = reader.next();
    if (!author) return fail.ranOut(reader, 2, kAuthorLine);
    if (author->isEmpty()) return fail(2, kAuthorLine, QStringLiteral("an empty line"));
    const auto header = reader.next();
    if (!header) return fail.ranOut(reader, 3, kHeaderLine);

    ThemeHeader result;
    result.title = decodeCp1252(*title);
    result.author = decodeCp1252(author->mid(1));
    result.countText = decodeCp1252(header->mid(1, 2));
    result.hasQuestions = header->endsWith('Q');
    return result;
}

std::optional<ThemeContents> themeFrom(LineReader& reader, ThemeProblem* problem = nullptr) {
    const Failure fail(problem);
    if (!reader.isOpen()) return fail.unreadable();
    // The title and author shown for the game come from the header reader.
    if (!reader.next(false)) return fail.ranOut(reader, 1, kTitleLine);
    if (!reader.next(false)) return fail.ranOut(reader, 2, kAuthorLine);
    const auto header = reader.next();
    if (!header) return fail.ranOut(reader, 3, kHeaderLine);
    const auto count = headerCount(*header);
    if (!count || *count < 1 || *count > kMaxWords)
        return fail(3, kHeaderLine, quotedLine(*header));

    ThemeContents theme;
    theme.wordCount = *count;
    theme.hasQuestions = !header->endsWith('W');
    // Once every slot holds a word, all further lines would be discarded unread.
    FirstEmptySlot firstEmptyWord(theme.words, theme.wordCount);
    while (const auto slot = firstEmptyWord()) {
        const auto word = reader.next();
        // A count promising more words than the file holds would leave a word nobody can find.
        if (!word)
            return fail.ranOut(reader, reader.lineNumber() + 1,
                               QStringLiteral("word %1 of %2").arg(*slot).arg(*count));
        theme.words[*slot] = upperCased(decodeCp1252(*word));
        theme.wordLines[*slot] = reader.lineNumber();
        if (theme.hasQuestions) {
            const auto question = reader.next();
            if (!question)
                return fail.ranOut(reader, reader.lineNumber() + 1,
                                   QStringLiteral("the question for %1").arg(quotedLine(*word)));
            theme.questions[*slot] = decodeCp1252(*question);
        }
    }
    return theme;
}

std::optional<EditorTheme> editorThemeFrom(LineReader& reader) {
    if (!reader.isOpen()) return std::nullopt;
    const auto title = reader.next();
    const auto author = title ? reader.next() : std::nullopt;
    const auto header = author ? reader.next() : std::nullopt;
    if (!header || !header->startsWith('#')) return std::nullopt;
    const auto count = headerCount(*header);
    if (!count || *count > kMaxWords) return std::nullopt;

    EditorTheme theme;
    theme.title = decodeCp1252(*title);
    theme.author = decodeCp1252(author->mid(1));
    theme.wordCount = *count;
    theme.questionsOn = header->endsWith('Q');
    FirstEmptySlot firstEmptyWord(theme.words, theme.wordCount);
    for (;;) {
        const auto slot = firstEmptyWord();
        // Without questions, lines past the last free box would be dropped unread. With
        // questions every pair is read to the end, as a file cut inside a pair is invalid; past
        // the bound they are dropped too.
        if (!slot && (!theme.questionsOn || reader.atBound())) break;
        const auto word = reader.next(slot.has_value());
        if (!word) break;
        if (slot) theme.words[*slot] = decodeCp1252(*word);
        if (theme.questionsOn) {
            // A question belongs to its word's box, as the generator reads it: filling the first
            // empty question box instead would shift every question after an empty one (the
            // editor saves an empty question after the tenth row) onto the wrong word.
            const auto question = reader.next(slot.has_value());
            if (!question && !slot && reader.atBound()) break;
            if (!question) return std::nullopt;
            if (slot) theme.questions[*slot] = decodeCp1252(*question);
        }
    }
    // A file that runs past the bound with boxes still empty is no theme.
    if (reader.atBound() && firstEmptyWord()) return std::nullopt;
    return theme;
}

}  // namespace

std::optional<ThemeHeader> readThemeHeader(const QString& path, ThemeProblem* problem) {
    LineReader reader(path);
    return headerFrom(reader, problem);
}
std::optional<ThemeHeader> parseThemeHeader(QByteArrayView bytes) {
    LineReader reader(bytes);
    return headerFrom(reader);
}

std::optional<ThemeContents> readTheme(const QString& path, ThemeProblem* problem) {
    LineReader reader(path);
    return themeFrom(reader, problem);
}
std::optional<ThemeContents> parseTheme(QByteArrayView bytes) {
    LineReader reader(bytes);
    return themeFrom(reader);
}

std::optional<EditorTheme> loadThemeForEditor(const QString& path) {
    LineReader reader(path);
    return editorThemeFrom(reader);
}
std::optional<EditorTheme> parseThemeForEditor(QByteArrayView bytes) {
    LineReader reader(bytes);
    return editorThemeFrom(reader);
}

std::optional<QByteArray> encodeTheme(const ThemeToWrite& theme) {
    const auto count = static_cast<int>(theme.words.size());
    if (count > kMaxWords) return std::nullopt;
    if (theme.withQuestions && theme.questions.size() < theme.words.size()) return std::nullopt;

    QStringList lines{theme.title, QLatin1Char('!') + theme.author,
                      QStringLiteral("#%1%2")
                          .arg(count, 2, 10, QLatin1Char('0'))
                          .arg(theme.withQuestions ? QStringLiteral("WQ") : QStringLiteral("W"))};
    for (int i = 0; i < count; ++i) {
        lines << theme.words[i];
        if (theme.withQuestions) lines << theme.questions[i];
    }
    // A line break inside a line would shift every following line of the file.
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            return std::nullopt;
    }

    QByteArray bytes;
    for (const QString& line : lines) bytes += encodeCp1252(line) + "\r\n";
    // A title starting with the characters of a byte-order mark would lose them on reading, and
    // the readers stop at the bound.
    if (bytes.startsWith(kByteOrderMark) || bytes.size() > kMaxThemeBytes) return std::nullopt;
    return bytes;
}

bool writeTheme(const QString& path, const ThemeToWrite& theme) {
    const auto encoded = encodeTheme(theme);
    return encoded && guarded_file::replace(path, *encoded) == 0;
}
