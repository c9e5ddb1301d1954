// A copy of unsaved work: a first line naming the copy's encoding, the series in the series
// file's 21 lines and its framing lines, then the series name.
#include "RecoveryCopy.h"

#include "SeriesFile.h"
#include "Windows1252.h"

namespace {
// Copies start with this line since they hold UTF-8; older copies without it are Windows-1252.
const QByteArray kUtf8Line = "#mosaret-herstel utf-8\r\n";
} // namespace

QByteArray RecoveryCopy::serialize(const Series& series, const QString& seriesName) {
    QString name = seriesName;
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    return kUtf8Line + SeriesFile::serialize(series, SeriesFile::Encoding::Utf8) + name.toUtf8() +
           "\r\n";
}

Result<RecoveredSeries> RecoveryCopy::parse(const QByteArray& copy) {
    const Error broken{tr("De kopie van het niet bewaarde werk is beschadigd.")};
    const bool utf8 = copy.startsWith(kUtf8Line);
    const QByteArray bytes = utf8 ? copy.sliced(kUtf8Line.size()) : copy;
    const auto encoding = utf8 ? SeriesFile::Encoding::Utf8 : SeriesFile::Encoding::Windows1252;
    const qsizetype lines = bytes.count("\r\n");
    if (!bytes.endsWith("\r\n") || lines < kLineCount || lines > kLineCount + kCards ||
        bytes.count('\n') != lines)
        return broken;
    // The name is the last line; the framing lines, if any, lie between it and the series.
    const qsizetype nameStart = bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2;
    Result<Series> series = SeriesFile::parse(bytes.first(nameStart), encoding);
    if (!series)
        return broken;
    const QByteArrayView name =
        QByteArrayView(bytes).sliced(nameStart, bytes.size() - 2 - nameStart);
    return RecoveredSeries{std::move(series).value(),
                           utf8 ? QString::fromUtf8(name) : Windows1252::decode(name)};
}
