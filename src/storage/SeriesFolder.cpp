// stub: replaced by the storage implementation
#include "SeriesFolder.h"
SeriesFolder::SeriesFolder(QString path) : m_path(std::move(path)) {}
QStringList SeriesFolder::list() const { return {}; }
Status SeriesFolder::checkName(const QString&) { return {}; }
QString SeriesFolder::fileFor(const QString& typedName) const { return m_path + u'/' + typedName + QStringLiteral(".msr"); }
bool SeriesFolder::exists(const QString&) const { return false; }
Status SeriesFolder::save(const QString&, const Series&) const { return {}; }
Result<Series> SeriesFolder::load(const QString&) const { return Error{QStringLiteral("stub")}; }
