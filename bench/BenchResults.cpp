// The figures of one benchmark run, read back from the files the run wrote.
#include "BenchResults.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <vector>

namespace {
QJsonObject readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

double toMilliseconds(double value, const QString& unit) {
    if (unit == QLatin1String("ns"))
        return value / 1e6;
    if (unit == QLatin1String("us"))
        return value / 1e3;
    if (unit == QLatin1String("s"))
        return value * 1e3;
    return value;
}

// "place/24mp/real_time" and "print_to_queue/names/iterations:1/manual_time" become
// "place/24mp" and "print_to_queue/names".
QString shortName(QString name) {
    const QStringList parts = name.split('/');
    QStringList kept;
    for (const QString& part : parts)
        if (!part.contains(':') && !part.endsWith(QLatin1String("_time")))
            kept << part;
    return kept.join('/');
}
} // namespace

BenchResults::BenchResults(const QString& folder) {
    readBenchmarks(folder + QStringLiteral("/benchmarks.json"));
    readStartup(folder + QStringLiteral("/startup.json"));
    m_memoryBare = medianMegabytes(folder + QStringLiteral("/memory-bare.txt"));
    m_memoryProgram = medianMegabytes(folder + QStringLiteral("/memory-program.txt"));
    m_memoryGame8 = medianMegabytes(folder + QStringLiteral("/memory-game8.txt"));
    m_memoryGame32 = medianMegabytes(folder + QStringLiteral("/memory-game32.txt"));
}

void BenchResults::readBenchmarks(const QString& path) {
    const QJsonObject root = readJson(path);
    QStringList load;
    const QJsonObject context = root[QLatin1String("context")].toObject();
    const QJsonArray loadAverage = context[QLatin1String("load_avg")].toArray();
    for (const QJsonValue& value : loadAverage)
        load << QString::number(value.toDouble(), 'f', 2);
    m_loadAverage = load.join(QStringLiteral(", "));
    const QSet<QString> known{QStringLiteral("name"),
                              QStringLiteral("run_name"),
                              QStringLiteral("run_type"),
                              QStringLiteral("aggregate_name"),
                              QStringLiteral("aggregate_unit"),
                              QStringLiteral("time_unit"),
                              QStringLiteral("real_time"),
                              QStringLiteral("cpu_time"),
                              QStringLiteral("iterations"),
                              QStringLiteral("repetitions"),
                              QStringLiteral("repetition_index"),
                              QStringLiteral("threads"),
                              QStringLiteral("family_index"),
                              QStringLiteral("per_family_instance_index"),
                              QStringLiteral("error_occurred"),
                              QStringLiteral("error_message")};
    for (const QJsonValue& value : root[QLatin1String("benchmarks")].toArray()) {
        const QJsonObject b = value.toObject();
        // Only the medians of the repetitions (a run without repetitions has none; take it whole).
        const bool median =
            b[QLatin1String("aggregate_name")].toString() == QLatin1String("median");
        const bool single = b[QLatin1String("run_type")].toString() == QLatin1String("iteration") &&
                            b[QLatin1String("repetitions")].toInt(1) <= 1;
        if ((!median && !single) || b[QLatin1String("error_occurred")].toBool())
            continue;
        const QString unit = b[QLatin1String("time_unit")].toString();
        Run run{toMilliseconds(b[QLatin1String("real_time")].toDouble(), unit),
                toMilliseconds(b[QLatin1String("cpu_time")].toDouble(), unit),
                {}};
        for (auto it = b.begin(); it != b.end(); ++it)
            if (!known.contains(it.key()) && it.value().isDouble())
                run.counters.insert(it.key(), it.value().toDouble());
        m_runs.insert(shortName(b[QLatin1String("run_name")].toString()), run);
    }
}

void BenchResults::readStartup(const QString& path) {
    const QJsonArray results = readJson(path)[QLatin1String("results")].toArray();
    if (results.size() != 2)
        return;
    m_startupBare = results[0].toObject()[QLatin1String("median")].toDouble() * 1e3;
    m_startupProgram = results[1].toObject()[QLatin1String("median")].toDouble() * 1e3;
}

std::optional<double> BenchResults::medianMegabytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::vector<double> kb;
    for (const QByteArray& line : file.readAll().split('\n')) {
        bool ok = false;
        const double value = line.trimmed().toDouble(&ok);
        if (ok && value > 0)
            kb.push_back(value);
    }
    if (kb.empty())
        return std::nullopt;
    std::sort(kb.begin(), kb.end());
    return kb[kb.size() / 2] / 1024.0;
}

std::optional<double> BenchResults::milliseconds(const QString& name) const {
    const auto it = m_runs.constFind(name);
    return it == m_runs.cend() ? std::nullopt : std::optional<double>(it->realMs);
}

std::optional<double> BenchResults::cpuMilliseconds(const QString& name) const {
    const auto it = m_runs.constFind(name);
    return it == m_runs.cend() ? std::nullopt : std::optional<double>(it->cpuMs);
}

std::optional<double> BenchResults::counter(const QString& name, const QString& counter) const {
    const auto it = m_runs.constFind(name);
    if (it == m_runs.cend() || !it->counters.contains(counter))
        return std::nullopt;
    return it->counters.value(counter);
}
