// The figures of one benchmark run, read back from the files the run wrote.
#pragma once

#include <QHash>
#include <QString>
#include <optional>

class BenchResults final {
public:
    // Reads `folder`: benchmarks.json (Google Benchmark, with repetitions), startup.json
    // (hyperfine: the bare window first, the program second) and memory-bare.txt,
    // memory-program.txt, memory-game8.txt and memory-game32.txt (peak resident kilobytes, one
    // run a line).
    explicit BenchResults(const QString& folder);

    // The median wall time of a benchmark in milliseconds, e.g. "place/24mp".
    std::optional<double> milliseconds(const QString& name) const;
    // The median processor time of a benchmark in milliseconds.
    std::optional<double> cpuMilliseconds(const QString& name) const;
    // The median of a benchmark's counter.
    std::optional<double> counter(const QString& name, const QString& counter) const;
    // Median start-up in milliseconds of the bare window and of the program.
    std::optional<double> startupBare() const { return m_startupBare; }
    std::optional<double> startupProgram() const { return m_startupProgram; }
    // Median peak resident memory in megabytes.
    std::optional<double> memoryBare() const { return m_memoryBare; }
    std::optional<double> memoryProgram() const { return m_memoryProgram; }
    // Median peak resident memory in megabytes of the window writing a game of 8 or 32 series.
    std::optional<double> memoryGame(int series) const {
        return series == 8 ? m_memoryGame8 : series == 32 ? m_memoryGame32 : std::nullopt;
    }
    // The load average when the benchmarks started, as Google Benchmark saw it.
    QString loadAverage() const { return m_loadAverage; }

private:
    struct Run {
        double realMs = 0;
        double cpuMs = 0;
        QHash<QString, double> counters;
    };
    void readBenchmarks(const QString& path);
    void readStartup(const QString& path);
    static std::optional<double> medianMegabytes(const QString& path);

    QHash<QString, Run> m_runs;
    std::optional<double> m_startupBare;
    std::optional<double> m_startupProgram;
    std::optional<double> m_memoryBare;
    std::optional<double> m_memoryProgram;
    std::optional<double> m_memoryGame8;
    std::optional<double> m_memoryGame32;
    QString m_loadAverage;
};
