#include "core/theme_file.h"

#include "core/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// Reads theme lines from a file through a small buffer, so a huge or hostile file costs no
// more memory than the lines a reader keeps, or straight from bytes in memory. A line ends at
// CR LF, at a lone CR or at a lone LF, in any mix (files pass through Windows, Linux and old
// Mac tools alike), and the last line may end at the end of the file. A UTF-8 byte-order mark
// some editors put in front of the first line is skipped.
class LineReader {
  public:
    explicit LineReader(const QString& path) : file_(path) {
        // Only regular files: a folder, a pipe or a device could fail late or block forever.
        if (QFileInfo(path).isFile())
            open_ = file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    explicit LineReader(QByteArrayView bytes)
        : open_(true),
          fromFile_(false),
          buffer_(QByteArray::fromRawData(bytes.data(), bytes.size())) {}

    bool isOpen() const { return open_; }
    bool failed() const { return failed_; }
    // The number of the line the last call to next() returned, counting from 1.
    int lineNumber() const { return lineNumber_; }

    // The next line without its end, or nothing at the end of the file. With keep false the
    // line is passed over and an empty array stands for it.
    std::optional<QByteArray> next(bool keep = true) {
        if (atStart_) skipByteOrderMark();
        if (!hasData()) return std::nullopt;
        ++lineNumber_;
        QByteArray line;
        for (;;) {
            const char* start = buffer_.constData() + pos_;
            const char* end = start + (buffer_.size() - pos_);
            const char* lineEnd =
                std::find_if(start, end, [](char c) { return c == '\r' || c == '\n'; });
            if (keep) line.append(start, lineEnd - start);
            pos_ += lineEnd - start;
            if (lineEnd != end) {
                ++pos_;
                if (*lineEnd == '\r' && hasData() && buffer_.at(pos_) == '\n') ++pos_;
                return line;
            }
            if (!hasData()) return line;
        }
    }

  private:
    static constexpr qsizetype kChunk = 64 * 1024;

    bool hasData() { return pos_ < buffer_.size() || refill(); }

    bool refill() {
        if (!open_ || failed_ || !fromFile_) return false;
        buffer_.resize(kChunk);
        const qint64 got = file_.read(buffer_.data(), kChunk);
        failed_ = got < 0;
        buffer_.resize(failed_ ? 0 : got);
        pos_ = 0;
        return !buffer_.isEmpty();
    }

    // The first chunk of a regular file holds all three bytes of a mark that is there.
    void skipByteOrderMark() {
        atStart_ = false;
        if (hasData() && QByteArrayView(buffer_).sliced(pos_).startsWith(kByteOrderMark)) pos_ += 3;
    }

    QFile file_;
    bool open_ = false;
    bool fromFile_ = true;
    bool failed_ = false;
    bool atStart_ = true;
    int lineNumber_ = 0;
    QByteArray buffer_;
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
    std::nullopt_t endOfFile(int line, const QString& expected) const {
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
    if (!title) return reader.failed() ? fail.unreadable() : fail.endOfFile(1, kTitleLine);
    const auto author = reader.next();
    if (!author) return reader.failed() ? fail.unreadable() : fail.endOfFile(2, kAuthorLine);
    if (author->isEmpty()) return fail(2, kAuthorLine, QStringLiteral("an empty line"));
    const auto header = reader.next();
    if (reader.failed()) return fail.unreadable();
    if (!header) return fail.endOfFile(3, kHeaderLine);

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
    if (!reader.next(false)) return fail.endOfFile(1, kTitleLine);
    if (!reader.next(false)) return fail.endOfFile(2, kAuthorLine);
    const auto header = reader.next();
    if (!header) return fail.endOfFile(3, kHeaderLine);
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
        if (!word) {
            if (reader.failed()) break;
            return fail.endOfFile(reader.lineNumber() + 1,
                                  QStringLiteral("word %1 of %2").arg(*slot).arg(*count));
        }
        theme.words[*slot] = upperCased(decodeCp1252(*word));
        theme.wordLines[*slot] = reader.lineNumber();
        if (theme.hasQuestions) {
            const auto question = reader.next();
            if (!question) {
                if (reader.failed()) break;
                return fail.endOfFile(reader.lineNumber() + 1,
                                      QStringLiteral("the question for %1").arg(quotedLine(*word)));
            }
            theme.questions[*slot] = decodeCp1252(*question);
        }
    }
    if (reader.failed()) return fail.unreadable();
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
        // questions every pair is read to the end, as a file cut inside a pair is invalid.
        if (!slot && !theme.questionsOn) break;
        const auto word = reader.next(slot.has_value());
        if (!word) break;
        if (slot) theme.words[*slot] = decodeCp1252(*word);
        if (theme.questionsOn) {
            // A question belongs to its word's box, as the generator reads it: filling the first
            // empty question box instead would shift every question after an empty one (the
            // editor saves an empty question after the tenth row) onto the wrong word.
            const auto question = reader.next(slot.has_value());
            if (!question) return std::nullopt;
            if (slot) theme.questions[*slot] = decodeCp1252(*question);
        }
    }
    if (reader.failed()) return std::nullopt;
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
    // A title starting with the characters of a byte-order mark would lose them on reading.
    if (bytes.startsWith(kByteOrderMark)) return std::nullopt;
    return bytes;
}

bool writeTheme(const QString& path, const ThemeToWrite& theme) {
    const auto encoded = encodeTheme(theme);
    if (!encoded) return false;
    const QByteArray& bytes = *encoded;
    // QSaveFile's commit does not notice a short write (a full disk, a size limit), so the
    // write and the flush are checked here; leaving without commit discards the new file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size() || !file.flush()) return false;
    return file.commit();
}
