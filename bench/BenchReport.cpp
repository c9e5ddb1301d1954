// Prints the table of a benchmark run and writes it to RESULTS.md, with the notes appended.
// Arguments: the results folder, the RESULTS.md to write, and the notes file.
#include "BenchResults.h"
#include "ReportTable.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QThread>
#include <cstdio>

namespace {
QString processorModel() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : cpuinfo.readAll().split('\n'))
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
    }
    return QStringLiteral("an unknown processor");
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: %s RESULTS-FOLDER RESULTS.md NOTES.md\n", argv[0]);
        return 2;
    }
    const BenchResults results(arguments[1]);
    const QString table = ReportTable(results).markdown(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), processorModel(),
        QThread::idealThreadCount());
    std::fputs(qPrintable(table), stdout);

    const QString notes = readAll(arguments[3]);
    QSaveFile file(arguments[2]);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write((table + (notes.isEmpty() ? QString() : '\n' + notes)).toUtf8()) < 0 ||
        !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[2]));
        return 1;
    }
    return 0;
}
