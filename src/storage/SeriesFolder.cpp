// The folder of series files: listing, safe names, saving whole files and reading them back.
#include "SeriesFolder.h"

#include "SeriesFile.h"
#include "WholeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kExtension = QStringLiteral(".msr");
constexpr qsizetype kMaxFileNameBytes = 255; // the limit of Linux file systems, in UTF-8 bytes

Status refused(const QString& reason) {
    return Error{SeriesFolder::tr("Deze naam kan niet worden gebruikt: ") + reason};
}

bool holdsControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

SeriesFolder::SeriesFolder(QString path) : m_path(std::move(path)) {}

QStringList SeriesFolder::list() const {
    // Hidden files are listed too: a series saved as ".x" must not vanish from the list. QDir
    // matches the pattern without regard to case.
    const QFileInfoList entries =
        QDir(m_path).entryInfoList({QStringLiteral("*") + kExtension}, QDir::Files | QDir::Hidden);
    QStringList names;
    for (const QFileInfo& entry : entries) {
        if (entry.isFile())
            names += entry.fileName();
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QStringList SeriesFolder::listPaths() const {
    QStringList paths;
    for (const QString& name : list())
        paths += pathOf(name);
    return paths;
}

bool SeriesFolder::isSeriesFileName(const QString& fileName) {
    return fileName.endsWith(kExtension, Qt::CaseInsensitive);
}

Status SeriesFolder::checkName(const QString& typedName) {
    if (typedName.isEmpty())
        return refused(tr("de naam is leeg."));
    if (typedName.contains(u'/') || typedName.contains(u'\\'))
        return refused(tr("een naam mag geen / of \\ bevatten."));
    if (holdsControlCharacter(typedName))
        return refused(tr("een naam mag geen regeleinde of ander stuurteken bevatten."));
    if (typedName == u"." || typedName == u"..")
        return refused(tr("\".\" en \"..\" zijn geen namen voor een bestand."));
    if ((typedName + kExtension).toUtf8().size() > kMaxFileNameBytes)
        return refused(tr("de naam is te lang voor een bestandsnaam."));
    return Status::success();
}

QString SeriesFolder::fileFor(const QString& typedName) const {
    return pathOf(typedName + kExtension);
}

bool SeriesFolder::exists(const QString& typedName) const {
    return checkName(typedName).ok() && QFileInfo::exists(fileFor(typedName));
}

Status SeriesFolder::save(const QString& typedName, const Series& series) const {
    const QString lead = tr("De serie is niet opgeslagen");
    if (const Status check = checkName(typedName); !check.ok())
        return Error{lead + QStringLiteral(". ") + check.error()};
    if (!QDir().mkpath(m_path)) {
        return Error{lead + tr(": de map \"%1\" kan niet worden aangemaakt.")
                                .arg(QDir::toNativeSeparators(m_path))};
    }
    // QSaveFile writes to an unnamed file or to "<name>.msr.XXXXXX", neither of which the list
    // shows.
    return WholeFileWriter::write(fileFor(typedName), SeriesFile::serialize(series), lead);
}

Result<Series> SeriesFolder::load(const QString& fileName) const {
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName == u"." || fileName == u"..")
        return Error{tr("\"%1\" is geen serie in de map met series.").arg(fileName)};
    return SeriesFile::read(pathOf(fileName), fileName);
}
