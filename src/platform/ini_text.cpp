#include "platform/ini_text.h"

#include <QList>
#include <QStringDecoder>

namespace ini {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

bool isUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    return !utf8.hasError();
}

// A name as written, a byte-order mark at its start included (QString::fromUtf8 drops it, and a
// key written back without it could read as a section header).
QString exactly(QByteArrayView utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(utf8);
}

// The value of a hex or octal digit, or -1.
int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9') value = u - u'0';
    if (u >= u'a' && u <= u'f') value = u - u'a' + 10;
    if (u >= u'A' && u <= u'F') value = u - u'A' + 10;
    return value < base ? value : -1;
}

// The character a backslash and `c` stand for.
QChar escaped(QChar c) {
    switch (c.unicode()) {
        case 'a':
            return u'\a';
        case 'b':
            return u'\b';
        case 'f':
            return u'\f';
        case 'n':
            return u'\n';
        case 'r':
            return u'\r';
        case 't':
            return u'\t';
        case 'v':
            return u'\v';
        default:
            return c;  // \" \\ \' \? and any other character stand for themselves
    }
}

// "@Name(...)": how Qt writes a value that is not plain text.
bool isSerialised(const QString& text) {
    qsizetype i = 1;
    while (i < text.size() && text[i].unicode() < 128 && text[i].isLetter()) ++i;
    return i > 1 && i < text.size() && text[i] == u'(' && text.endsWith(u')');
}

QString hexEscape(char16_t c) {
    return QStringLiteral("\\x") + QString::number(c, 16);
}

}  // namespace

std::optional<Document> parse(const QByteArray& bytes) {
    QByteArray text = bytes.startsWith(kByteOrderMark) ? bytes.mid(3) : bytes;
    if (text.contains('\0') || !isUtf8(text)) return std::nullopt;
    text.replace('\r', '\n');
    Document document;
    QString section;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) return std::nullopt;
            section = exactly(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QString key = exactly(line.left(equals).trimmed());
        if (equals < 0 || key.isEmpty()) return std::nullopt;
        document[section][key] = line.mid(equals + 1);
    }
    return document;
}

QByteArray serialise(const Document& document, const QString& lastSection, const QString& lastKey) {
    QByteArray out;
    const auto writeSection = [&out, &lastSection, &lastKey](const QString& name,
                                                             const Section& keys) {
        if (keys.empty()) return;
        if (!name.isEmpty()) out += (out.isEmpty() ? "[" : "\n[") + name.toUtf8() + "]\n";
        const auto line = [&out](const QString& key, const QByteArray& value) {
            out += key.toUtf8() + '=' + value + '\n';
        };
        const bool holdsLast = name == lastSection && keys.count(lastKey) != 0;
        for (const auto& [key, value] : keys)
            if (!holdsLast || key != lastKey) line(key, value);
        if (holdsLast) line(lastKey, keys.at(lastKey));
    };
    // Keys before any header must stay before every header.
    if (const auto root = document.find(QString()); root != document.end())
        writeSection(root->first, root->second);
    for (const auto& [name, keys] : document)
        if (!name.isEmpty() && name != lastSection) writeSection(name, keys);
    if (const auto last = document.find(lastSection);
        last != document.end() && !lastSection.isEmpty())
        writeSection(last->first, last->second);
    // A first key starting with a byte-order mark (two files joined) would lose it on reading,
    // and with it maybe the whole file; a blank line first keeps it a key.
    if (out.startsWith(kByteOrderMark)) out.prepend('\n');
    return out;
}

std::optional<QString> decode(const QByteArray& written) {
    const QString raw = QString::fromUtf8(written).trimmed();
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'"') continue;  // quotes only keep blanks and separators as they are
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i == raw.size()) break;
        const bool hex = raw[i] == u'x';
        const int base = hex ? 16 : 8;
        if (!hex && digitValue(raw[i], 8) < 0) {
            text += escaped(raw[i]);
            continue;
        }
        // \xHHHH or \OOO: up to four hex or three octal digits.
        const qsizetype first = hex ? i + 1 : i;
        qsizetype end = first;
        while (end < raw.size() && end - first < (hex ? 4 : 3) && digitValue(raw[end], base) >= 0)
            ++end;
        text += QChar(char16_t(raw.mid(first, end - first).toUInt(nullptr, base)));
        i = end - 1;
    }
    if (!text.startsWith(u'@')) return text;
    if (text.startsWith(QLatin1String("@@"))) return text.mid(1);
    if (isSerialised(text)) return std::nullopt;
    return text;
}

QByteArray encode(const QString& text) {
    // A leading "@" would mark a serialised value; doubling it keeps the text plain.
    const QString value = text.startsWith(u'@') ? u'@' + text : text;
    QString out;
    bool quoted = value != value.trimmed();
    bool afterHexEscape = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        const bool pair =
            value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate();
        // A hex digit after a \x escape would be read as part of it.
        if (c < 0x20 || c == 0x7f || (value[i].isSurrogate() && !pair) ||
            (afterHexEscape && digitValue(value[i], 16) >= 0)) {
            out += hexEscape(c);
            afterHexEscape = true;
            continue;
        }
        afterHexEscape = false;
        if (c == u'\\' || c == u'"') out += u'\\';
        if (c == u';' || c == u',' || c == u'=') quoted = true;
        out += value[i];
        if (pair) out += value[++i];
    }
    const QByteArray bytes = out.toUtf8();
    return quoted ? '"' + bytes + '"' : bytes;
}

}  // namespace ini
