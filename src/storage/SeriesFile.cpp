// stub: replaced by the storage implementation
#include "SeriesFile.h"
QByteArray SeriesFile::serialize(const Series&) { return {}; }
QStringList SeriesFile::unencodableTexts(const Series&) { return {}; }
Result<Series> SeriesFile::parse(QIODevice&) { return Error{QStringLiteral("stub")}; }
Result<Series> SeriesFile::parse(const QByteArray&) { return Error{QStringLiteral("stub")}; }
