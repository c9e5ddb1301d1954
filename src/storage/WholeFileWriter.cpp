// Writes a file whole through QSaveFile and explains a failure in the program's language.
#include "WholeFileWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

Error failure(const QString& lead, const QString& reason) {
    return Error{lead + QStringLiteral(": ") + reason};
}

} // namespace

Result<std::unique_ptr<QSaveFile>> WholeFileWriter::open(const QString& path,
                                                         const QString& failureLead) {
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!QFileInfo(info.absolutePath()).isDir())
        return failure(failureLead, tr("de map \"%1\" bestaat niet.").arg(folder));
    if (info.isDir())
        return failure(failureLead, tr("er staat al een map met de naam \"%1\".").arg(name));
    // A pipe or device under the name (or a link to one) is not the program's file, and QSaveFile
    // would put a regular file in its place (through a link: beside the device it points to).
    if (info.exists() && !info.isFile())
        return failure(failureLead,
                       tr("\"%1\" is geen gewoon bestand en wordt niet overschreven.").arg(name));
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        return failure(failureLead, tr("het bestand \"%1\" kan niet worden geschreven in de "
                                       "map \"%2\". Controleer of u daar mag schrijven.")
                                        .arg(name, folder));
    }
    return file;
}

Status WholeFileWriter::commit(QSaveFile& file, qint64 bytes, const QString& failureLead) {
    // Qt 6.4's commit() reports success even when its final flush fails part-way (a full disk), and
    // a device written through a stream may lose bytes without an error, so the flush is checked
    // here and the size on disk compared with what was written before the file replaces the old
    // one. QSaveFile discards its temporary file when it is destroyed without a successful commit.
    if (file.error() == QFileDevice::NoError && file.flush() && file.size() == bytes &&
        file.commit())
        return Status::success();
    const QFileInfo info(file.fileName());
    // Only a file that was there before can be said to be kept.
    const QString kept =
        info.exists() ? tr(" Het bestaande bestand is ongewijzigd gebleven.") : QString();
    file.cancelWriting();
    return failure(failureLead, tr("het bestand \"%1\" kon niet volledig worden "
                                   "geschreven; misschien is de schijf vol.%2")
                                    .arg(info.fileName(), kept));
}

Status WholeFileWriter::write(const QString& path, const QByteArray& bytes,
                              const QString& failureLead) {
    Result<std::unique_ptr<QSaveFile>> file = open(path, failureLead);
    if (!file)
        return Error{file.error()};
    QSaveFile& opened = *file.value();
    opened.write(bytes);
    return commit(opened, bytes.size(), failureLead);
}
