#include "core/saved_game.h"

#include "core/guarded_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>

#include <climits>

namespace {

const QByteArray kHeader = "Quarrow saved game 1";
const QByteArray kEnd = "end";
// Bigger than any file the program writes; a bigger one is not read into memory.
constexpr qint64 kMaxFileSize = 64 * 1024;
// A clock this far gone (over three years) is no game anyone played.
constexpr int kMaxClockSeconds = 100'000'000;

// Every text field is one token: percent-encoded, with "-" standing for an empty text (a
// literal hyphen is always encoded, so the two cannot meet).
QByteArray token(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : text.toUtf8().toPercentEncoding({}, "-");
}

std::optional<QString> text(const QByteArray& token) {
    if (token == "-") return QString();
    if (token.isEmpty()) return std::nullopt;
    for (const char c : token) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '%' || c == '.' || c == '_' || c == '~';
        if (!plain) return std::nullopt;
    }
    const QByteArray bytes = QByteArray::fromPercentEncoding(token);
    const QString decoded = QString::fromUtf8(bytes);
    if (decoded.toUtf8() != bytes) return std::nullopt;  // not UTF-8
    return decoded;
}

std::optional<int> number(const QByteArray& token, int low, int high) {
    bool ok = false;
    const int value = token.toInt(&ok);
    if (!ok || value < low || value > high || QByteArray::number(value) != token) {
        return std::nullopt;
    }
    return value;
}

// The lines of the text, read one at a time, each split at single spaces.
class Lines {
  public:
    explicit Lines(QByteArrayView text) {
        for (QByteArrayView line : QByteArray(text.data(), text.size()).split('\n')) {
            if (line.endsWith('\r')) line.chop(1);
            lines_.push_back(line.toByteArray());
        }
        while (!lines_.isEmpty() && lines_.back().isEmpty()) lines_.removeLast();
    }
    bool atEnd() const { return next_ >= lines_.size(); }
    const QByteArray& peek() const { return lines_[next_]; }
    bool takeExactly(const QByteArray& line) {
        if (atEnd() || lines_[next_] != line) return false;
        ++next_;
        return true;
    }
    // The fields of the next line when it starts with `key` and has `count` fields after it.
    std::optional<QList<QByteArray>> take(const QByteArray& key, int count) {
        if (atEnd()) return std::nullopt;
        QList<QByteArray> fields = lines_[next_].split(' ');
        if (fields.size() != count + 1 || fields.front() != key) return std::nullopt;
        ++next_;
        fields.removeFirst();
        return fields;
    }
    std::optional<QString> takeText(const QByteArray& key) {
        const auto fields = take(key, 1);
        return fields ? text(fields->front()) : std::nullopt;
    }
    std::optional<int> takeNumber(const QByteArray& key, int low, int high) {
        const auto fields = take(key, 1);
        return fields ? number(fields->front(), low, high) : std::nullopt;
    }

  private:
    QList<QByteArray> lines_;
    qsizetype next_ = 0;
};

std::optional<GameSetup> readSetup(Lines& lines) {
    GameSetup setup;
    const auto file = lines.takeText("theme");
    const auto title = lines.takeText("title");
    const auto author = lines.takeText("author");
    const auto levelField = lines.takeNumber("level", INT_MIN, INT_MAX);
    const auto modeField = lines.takeNumber("mode", INT_MIN, INT_MAX);
    const auto level = levelField ? levelFromNumber(*levelField) : std::nullopt;
    const auto mode = modeField ? showModeFromNumber(*modeField) : std::nullopt;
    const auto challenge = lines.takeNumber("challenge", 0, 1);
    if (!file || !title || !author || !level || !mode || !challenge) return std::nullopt;
    return GameSetup{*file, *title, *author, *level, *mode, *challenge == 1};
}

std::optional<Puzzle> readPuzzle(Lines& lines) {
    Puzzle puzzle;
    const auto letters = lines.takeText("letters");
    if (!letters || letters->size() != GameState::kCells) return std::nullopt;
    for (int cell = 1; cell <= GameState::kCells; ++cell)
        puzzle.letters[cell] = (*letters)[cell - 1];
    while (!lines.atEnd() && lines.peek().startsWith("word ")) {
        const auto fields = lines.take("word", 4);
        if (!fields || puzzle.wordCount() == kMaxWords) return std::nullopt;
        const auto first = number((*fields)[0], 1, GameState::kCells);
        const auto last = number((*fields)[1], 1, GameState::kCells);
        const auto word = text((*fields)[2]);
        const auto question = text((*fields)[3]);
        if (!first || !last || !word || !question) return std::nullopt;
        puzzle.words.push_back({*word, *question, *first, *last});
    }
    return puzzle;
}

std::optional<std::vector<Strike>> readStrikes(Lines& lines) {
    std::vector<Strike> strikes;
    while (!lines.atEnd() && lines.peek().startsWith("strike ")) {
        const auto fields = lines.take("strike", 4);
        if (!fields) return std::nullopt;
        const auto slot = number((*fields)[0], 1, kMaxWords);
        const QByteArray& kind = (*fields)[1];
        const auto from = number((*fields)[2], 1, GameState::kCells);
        const auto to = number((*fields)[3], 1, GameState::kCells);
        if (!slot || !from || !to || (kind != "found" && kind != "revealed")) return std::nullopt;
        strikes.push_back(
            {*slot, kind == "found" ? StrikeKind::Found : StrikeKind::Revealed, *from, *to});
    }
    return strikes;
}

// Anything at all at the path, a link to nothing included.
bool taken(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// "name.broken", or "name.broken-2" and on when that is taken.
QString asideName(const QString& path) {
    QString aside = path + QStringLiteral(".broken");
    for (int n = 2; taken(aside); ++n)
        aside = path + QStringLiteral(".broken-") + QString::number(n);
    return aside;
}

// Moves whatever is at the path (a link itself, not what it names) aside; where it now is.
QString moveAside(const QString& path) {
    const QString aside = asideName(path);
    const bool moved =
        std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0;
    return moved ? aside : path;
}

}  // namespace

QByteArray savedGameText(const GameSession& session) {
    if (session.phase() != GamePhase::Playing) return {};
    const GameSetup& setup = session.setup();
    const Puzzle& puzzle = session.puzzle();
    QString letters;
    for (int cell = 1; cell <= GameState::kCells; ++cell) letters += puzzle.letters[cell];

    QByteArray out = kHeader + '\n';
    out += "theme " + token(setup.puzzleFile) + '\n';
    out += "title " + token(setup.puzzleTitle) + '\n';
    out += "author " + token(setup.puzzleAuthor) + '\n';
    out += "level " + QByteArray::number(levelNumber(setup.level)) + '\n';
    out += "mode " + QByteArray::number(showModeNumber(setup.showMode)) + '\n';
    out += "challenge " + QByteArray(setup.timeChallenge ? "1" : "0") + '\n';
    out += "clock " + QByteArray::number(session.clockSeconds()) + '\n';
    out += "letters " + token(letters) + '\n';
    for (const PuzzleWord& word : puzzle.words) {
        out += "word " + QByteArray::number(word.first) + ' ' + QByteArray::number(word.last) +
               ' ' + token(word.word) + ' ' + token(word.question) + '\n';
    }
    for (const Strike& line : session.strikes()) {
        out += "strike " + QByteArray::number(line.slot) + ' ' +
               (line.kind == StrikeKind::Found ? "found " : "revealed ") +
               QByteArray::number(line.from) + ' ' + QByteArray::number(line.to) + '\n';
    }
    return out + kEnd + '\n';
}

std::optional<GameSession> parseSavedGame(QByteArrayView text) {
    Lines lines(text);
    if (!lines.takeExactly(kHeader)) return std::nullopt;
    const auto setup = readSetup(lines);
    const auto clock = lines.takeNumber("clock", 0, kMaxClockSeconds);
    if (!setup || !clock) return std::nullopt;
    auto puzzle = readPuzzle(lines);
    if (!puzzle) return std::nullopt;
    const auto strikes = readStrikes(lines);
    if (!strikes || !lines.takeExactly(kEnd) || !lines.atEnd()) return std::nullopt;
    return GameSession::resumed(*setup, std::move(*puzzle), *strikes, *clock);
}

int writeSavedGame(const QString& path, const GameSession& session) {
    const QByteArray text = savedGameText(session);
    if (text.isEmpty()) return EINVAL;
    QDir().mkpath(QFileInfo(path).absolutePath());  // when it cannot be made, the write says why
    return guarded_file::replace(path, text);
}

SavedGameLoad takeSavedGame(const QString& path) {
    // Never through a link: a saved game is only ever a file of the program's own.
    const guarded_file::Read file =
        guarded_file::read(path, kMaxFileSize, guarded_file::Links::Refuse);
    if (file.status == guarded_file::Read::Status::Missing) return {};
    std::optional<GameSession> session =
        file.status == guarded_file::Read::Status::Read && file.whole ? parseSavedGame(file.bytes)
                                                                      : std::nullopt;
    if (!session) return {SavedGameLoad::Status::Unreadable, std::nullopt, moveAside(path), 0};
    // A game left on the disk would be offered again after this one is played.
    if (const int error = guarded_file::remove(path))
        return {SavedGameLoad::Status::Stuck, std::nullopt, path, error};
    return {SavedGameLoad::Status::Loaded, std::move(session), {}, 0};
}
