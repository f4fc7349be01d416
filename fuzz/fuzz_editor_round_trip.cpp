// What the puzzle editor accepts must read back identically: arbitrary entries go through the
// editor's checks, and every accepted set is written with the theme writer and read again by
// the editor's loader, the generator's reader and the new-game dialog's header reader.
#include "core/cp1252.h"
#include "core/theme_file.h"
#include "editor/editor_checks.h"
#include "fuzz_check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

namespace {

using fuzz::check;

constexpr std::size_t kMaxText = 48;

// Text as typed: mostly characters the file can store, sometimes any UTF-16 at all (which the
// checks must refuse where the file cannot hold it).
QString text(FuzzedDataProvider& in) {
    const bool anyCharacter = in.ConsumeBool();
    const std::string bytes = in.ConsumeRandomLengthString(kMaxText);
    if (anyCharacter) {
        QString typed(static_cast<qsizetype>(bytes.size() / 2), Qt::Uninitialized);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            typed[i] =
                QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                            static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        }
        return typed;
    }
    return decodeCp1252(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Mostly letters, so that whole themes get past the checks; sometimes any text.
QString word(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return text(in);
    QString letters;
    const int length = in.ConsumeIntegralInRange(0, 16);
    for (int i = 0; i < length; ++i) {
        const auto letter = in.ConsumeIntegralInRange<char16_t>(0, 51);
        letters += QChar(letter < 26 ? u'A' + letter : u'a' + (letter - 26));
    }
    return letters;
}

EditorEntries entries(FuzzedDataProvider& in) {
    EditorEntries typed;
    typed.questionsOn = in.ConsumeBool();
    typed.title = text(in);
    typed.author = text(in);
    const int filled = in.ConsumeIntegralInRange(0, EditorEntries::kBoxes);
    for (int i = 1; i <= filled; ++i) {
        typed.words[i] = word(in);
        typed.questions[i] = text(in);
    }
    return typed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const EditorEntries typed = entries(in);
    if (editor::firstFailingCheck(typed)) return 0;

    // Whatever the checks accept is saved whole: no typed word is left behind.
    const int count = editor::savedWordCount(typed);
    for (int i = count + 1; i <= EditorEntries::kBoxes; ++i) check(typed.words[i].isEmpty());
    const ThemeToWrite written = editor::themeToWrite(typed, count);
    const auto bytes = encodeTheme(written);
    // The one accepted title the writer refuses: it starts with a byte-order mark's characters.
    if (!bytes) {
        check(written.title.startsWith(QStringLiteral("\u00EF\u00BB\u00BF")));
        return 0;
    }

    const auto loaded = parseThemeForEditor(*bytes);
    check(loaded.has_value());
    check(loaded->title == written.title && loaded->author == written.author);
    check(loaded->wordCount == count && loaded->questionsOn == typed.questionsOn);
    for (int i = 1; i <= count; ++i) {
        check(loaded->words[i] == typed.words[i]);
        check(loaded->questions[i] == (typed.questionsOn ? written.questions[i - 1] : QString()));
    }

    const auto played = parseTheme(*bytes);
    check(played.has_value() && played->wordCount == count);
    for (int i = 1; i <= count; ++i) check(played->words[i] == typed.words[i].toUpper());

    const auto header = parseThemeHeader(*bytes);
    check(header.has_value() && header->title == written.title);
    check(header->countText == QStringLiteral("%1").arg(count, 2, 10, QLatin1Char('0')));
    check(header->hasQuestions == typed.questionsOn);
    return 0;
}
