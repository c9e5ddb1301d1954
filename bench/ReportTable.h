// The table of figures, baselines, ratios and goals that a benchmark run ends with.
#pragma once

#include "BenchResults.h"

#include <QList>
#include <QString>
#include <optional>

class ReportTable final {
public:
    explicit ReportTable(const BenchResults& results);

    // The whole report in Markdown: when and where it ran, the table, and the goals not met.
    QString markdown(const QString& date, const QString& processor, int cores) const;

private:
    struct Row {
        QString figure;
        QString measured;
        QString baseline;
        QString ratio;
        QString goal;
        std::optional<bool> met; // unknown when a figure is missing
    };
    void addPlacements();
    void addLoad();
    void addWholeProgram();
    void addPrinting();
    void addPrintedPdf(const QString& page, int photos);
    void addGame();
    void addGameMemory();
    void addFraming(); // FramingReport.cpp
    void addResponsiveness();
    void addGameDialog();
    void add(Row row) { m_rows.append(std::move(row)); }

    const BenchResults& m_results;
    QList<Row> m_rows;
};
