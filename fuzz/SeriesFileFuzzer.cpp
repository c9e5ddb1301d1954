// Fuzzes the series file reader, and the writer with series made from the fuzz bytes.
#include "FuzzCheck.h"
#include "SeriesFile.h"
#include "Windows1252.h"

#include <cstddef>
#include <cstdint>

namespace {

QString withoutLeadingBlanks(QString text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

// The reader never fails on a file with two lines or more, and what it read writes back stably.
void readAnyBytes(const QByteArray& bytes) {
    const Result<Series> first = SeriesFile::parse(bytes);
    const qsizetype lines = bytes.count('\n') + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    fuzzRequire(first.ok() == (lines >= 2), "a file of two lines or more holds a series");
    if (!first)
        return;
    const QByteArray written = SeriesFile::serialize(*first);
    fuzzRequire(written.count("\r\n") == SeriesFile::kLineCount, "a written file has 21 lines");
    const Result<Series> second = SeriesFile::parse(written);
    fuzzRequire(second.ok() && SeriesFile::serialize(*second) == written,
                "a series read from any file writes back stably");
}

// A series of 21 texts taken from the fuzz bytes, as Windows-1252 or as UTF-8: the first byte
// chooses the code, then each text is a length byte followed by that many bytes.
Series seriesFrom(QByteArrayView bytes) {
    const bool utf8 = !bytes.isEmpty() && (bytes[0] & 1);
    qsizetype pos = 1;
    auto nextText = [&] {
        if (pos >= bytes.size())
            return QString();
        const qsizetype wanted = uchar(bytes[pos++]) % 64;
        const qsizetype length = qMin(wanted, bytes.size() - pos);
        const QByteArrayView raw = bytes.sliced(pos, length);
        pos += length;
        return utf8 ? QString::fromUtf8(raw) : Windows1252::decode(raw);
    };
    Series series;
    series.subject = nextText();
    for (QString& path : series.photoPaths)
        path = nextText();
    for (auto& card : series.names) {
        for (QString& name : card)
            name = nextText();
    }
    return series;
}

// Every text the code page holds, without line breaks, comes back as written; names lose only
// their leading blanks.
void writeAndReadBack(QByteArrayView bytes) {
    const Series series = seriesFrom(bytes);
    const Result<Series> back = SeriesFile::parse(SeriesFile::serialize(series));
    fuzzRequire(back.ok(), "a written series reads back");
    if (!SeriesFile::unencodableTexts(series).isEmpty())
        return;
    Series expected = series;
    for (auto& card : expected.names) {
        for (QString& name : card)
            name = withoutLeadingBlanks(name);
    }
    fuzzRequire(*back == expected, "a series survives writing and reading back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readAnyBytes(bytes);
    writeAndReadBack(bytes);
    return 0;
}
