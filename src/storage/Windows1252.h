// Fixed Windows-1252 conversion, the same on every machine, so files move between systems.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

class Windows1252 final {
public:
    // Every byte decodes to one character; the five bytes the code page leaves unused
    // (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the matching C1 control, so any byte round-trips.
    static QString decode(QByteArrayView bytes);
    // One byte per character; a character the code page cannot hold becomes '?'.
    static QByteArray encode(QStringView text);
    // True when encode() keeps every character of `text`.
    static bool canEncode(QStringView text);

private:
    static int byteFor(char32_t codePoint); // -1 when the code page lacks it
};
