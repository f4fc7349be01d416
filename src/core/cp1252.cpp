#include "core/cp1252.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88..0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98..0x9F
};

constexpr char kUnrepresentable = '?';

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == c) return static_cast<char>(0x80 + i);
    }
    return kUnrepresentable;
}

}  // namespace

QString decodeCp1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = QChar(b >= 0x80 && b <= 0x9F ? kHighControlRange[b - 0x80] : char16_t{b});
    }
    return text;
}

namespace {
// Calls visit(byte, start, length) for each character of `text`, a surrogate pair counting once,
// until it returns false.
template <typename Visit>
void forEachEncoded(QStringView text, Visit visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const qsizetype start = i;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        if (!visit(c.isSurrogate() ? kUnrepresentable : encodeChar(c.unicode()), start,
                   i - start + 1))
            return;
    }
}
}  // namespace

QByteArray encodeCp1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    forEachEncoded(text, [&](char byte, qsizetype, qsizetype) {
        bytes.append(byte);
        return true;
    });
    return bytes;
}

QString firstOutsideCp1252(QStringView text) {
    QString found;
    forEachEncoded(text, [&](char byte, qsizetype start, qsizetype length) {
        if (byte == kUnrepresentable && text[start] != QLatin1Char(kUnrepresentable))
            found = text.mid(start, length).toString();
        return found.isEmpty();
    });
    return found;
}
