#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

// The text of the settings file: "[Section]" lines, each followed by "KEY=value" lines. Values
// are kept as written, so a save leaves every value it did not change byte for byte. The
// quoting and escapes are those Qt's INI files use, so older copies of the game read the file.
namespace ini {

using Section = std::map<QString, QByteArray>;  // key -> value as written
using Document = std::map<QString, Section>;    // section name -> its keys; "" before any header

// The whole file; nullopt when it is no settings text at all: not UTF-8, a NUL byte, or a line
// that is neither blank, a comment, a "[Section]" nor "KEY=value". A byte-order mark is skipped.
std::optional<Document> parse(const QByteArray& bytes);

// The file's text. `last` (section, key) is written at the very end, so a file cut short
// anywhere lacks it.
QByteArray serialise(const Document& document, const QString& lastSection, const QString& lastKey);

// The text a value stands for; nullopt for a serialised Qt value ("@Variant(...)",
// "@ByteArray(...)" and the like), which is never decoded.
std::optional<QString> decode(const QByteArray& written);
QByteArray encode(const QString& text);

}  // namespace ini
