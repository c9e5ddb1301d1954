// A copy of unsaved work: the series in the series file's 21 lines, then the series name.
#include "RecoveryCopy.h"

#include "SeriesFile.h"
#include "Windows1252.h"

QByteArray RecoveryCopy::serialize(const Series& series, const QString& seriesName) {
    QString name = seriesName;
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    return SeriesFile::serialize(series) + Windows1252::encode(name) + "\r\n";
}

Result<RecoveredSeries> RecoveryCopy::parse(const QByteArray& bytes) {
    const Error broken{QStringLiteral("De kopie van het niet bewaarde werk is beschadigd.")};
    if (!bytes.endsWith("\r\n") || bytes.count("\r\n") != kLineCount ||
        bytes.count('\n') != kLineCount)
        return broken;
    Result<Series> series = SeriesFile::parse(bytes);
    if (!series)
        return broken;
    const qsizetype nameStart = bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2;
    const QString name =
        Windows1252::decode(QByteArrayView(bytes).sliced(nameStart, bytes.size() - 2 - nameStart));
    return RecoveredSeries{std::move(series).value(), name};
}
