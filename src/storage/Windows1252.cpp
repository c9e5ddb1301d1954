// Fixed Windows-1252 conversion: Latin-1 plus a table for the bytes 0x80 to 0x9F.
#include "Windows1252.h"

#include <array>

namespace {

// The characters of the bytes 0x80 to 0x9F; unused bytes map to their own C1 control.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Calls `visit` for each code point; a surrogate pair counts as one, a lone surrogate as itself.
template <typename Visit> bool allCodePoints(QStringView text, Visit visit) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (QChar::isHighSurrogate(codePoint) && i + 1 < text.size() &&
            text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i].unicode(), text[i + 1].unicode());
            ++i;
        }
        if (!visit(codePoint))
            return false;
    }
    return true;
}

} // namespace

QString Windows1252::decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighTable[byte - 0x80]) : QChar(byte);
    }
    return text;
}

int Windows1252::byteFor(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int i = 0; i < int(kHighTable.size()); ++i) {
        if (kHighTable[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

QByteArray Windows1252::encode(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    allCodePoints(text, [&bytes](char32_t codePoint) {
        const int byte = byteFor(codePoint);
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
        return true;
    });
    return bytes;
}

bool Windows1252::canEncode(QStringView text) {
    return allCodePoints(text, [](char32_t codePoint) { return byteFor(codePoint) >= 0; });
}
