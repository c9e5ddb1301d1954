// The table of figures, baselines, ratios and goals that a benchmark run ends with.
#include "ReportTable.h"

#include <cmath>

namespace {
QString ms(std::optional<double> value) {
    if (!value)
        return QStringLiteral("-");
    return *value >= 100 ? QStringLiteral("%1 ms").arg(*value, 0, 'f', 0)
                         : QStringLiteral("%1 ms").arg(*value, 0, 'f', 1);
}

QString times(double ratio) {
    return QStringLiteral("%1x").arg(ratio, 0, 'f', 2);
}

std::optional<double> divide(std::optional<double> a, std::optional<double> b) {
    if (!a || !b || *b <= 0)
        return std::nullopt;
    return *a / *b;
}

std::optional<bool> atMost(std::optional<double> value, double goal) {
    return value ? std::optional<bool>(*value <= goal) : std::nullopt;
}

QString met(std::optional<bool> met) {
    if (!met)
        return QStringLiteral("no figure");
    return *met ? QStringLiteral("yes") : QStringLiteral("**NO**");
}
} // namespace

ReportTable::ReportTable(const BenchResults& results) : m_results(results) {
    addPlacements();
    addLoad();
    addWholeProgram();
    addPrinting();
    addGame();
    addGameMemory();
    addFraming();
    addResponsiveness();
    addGameDialog();
}

void ReportTable::addPlacements() {
    const struct {
        const char* name;
        const char* figure;
    } photos[] = {{"12mp", "Place a 12 MP JPEG (4000 x 3000) on a card"},
                  {"24mp", "Place a 24 MP JPEG (6000 x 4000) on a card"},
                  {"24mp-exif6", "Place a 24 MP JPEG stored on its side (Exif orientation 6)"},
                  {"48mp", "Place a 48 MP JPEG (8000 x 6000) on a card"},
                  {"108mp", "Place a 108 MP JPEG (12000 x 9000) on a card"}};
    for (const auto& photo : photos) {
        const QString name = QLatin1String(photo.name);
        const std::optional<double> placed = m_results.milliseconds("place/" + name);
        const std::optional<double> baseline = m_results.milliseconds("decode_baseline/" + name);
        const int denominator =
            int(m_results.counter("decode_baseline/" + name, "scale_denom").value_or(0));
        const std::optional<double> ratio = divide(placed, baseline);
        add({QLatin1String(photo.figure), ms(placed),
             QStringLiteral("libjpeg-turbo decode at 1/%1: %2").arg(denominator).arg(ms(baseline)),
             ratio ? times(*ratio) : QStringLiteral("-"), QStringLiteral("<= 1.15x"),
             atMost(ratio, 1.15)});
    }
}

void ReportTable::addLoad() {
    const std::optional<double> loaded = m_results.milliseconds("load_series/4x24mp");
    const std::optional<double> one = m_results.milliseconds("place/24mp");
    const std::optional<double> ratio = divide(loaded, one);
    add({QStringLiteral("Load a saved series with four 24 MP photos (file, photos, thumbnails)"),
         ms(loaded), QStringLiteral("one 24 MP placement: %1").arg(ms(one)),
         ratio ? times(*ratio) : QStringLiteral("-"), QStringLiteral("<= 2.5x"),
         atMost(ratio, 2.5)});
}

void ReportTable::addWholeProgram() {
    const std::optional<double> program = m_results.memoryProgram();
    const std::optional<double> bare = m_results.memoryBare();
    const std::optional<double> extra =
        program && bare ? std::optional<double>(*program - *bare) : std::nullopt;
    add({QStringLiteral("Peak resident memory, program with four 48 MP photos placed"),
         program ? QStringLiteral("%1 MB").arg(*program, 0, 'f', 1) : QStringLiteral("-"),
         bare ? QStringLiteral("bare widgets window: %1 MB").arg(*bare, 0, 'f', 1)
              : QStringLiteral("-"),
         extra ? QStringLiteral("+%1 MB").arg(*extra, 0, 'f', 1) : QStringLiteral("-"),
         QStringLiteral("<= +80 MB"), atMost(extra, 80)});

    const std::optional<double> startup =
        divide(m_results.startupProgram(), m_results.startupBare());
    add({QStringLiteral("Start-up to the first painted main window (whole process, offscreen)"),
         ms(m_results.startupProgram()),
         QStringLiteral("bare window with one label: %1").arg(ms(m_results.startupBare())),
         startup ? times(*startup) : QStringLiteral("-"), QStringLiteral("<= 1.5x"),
         atMost(startup, 1.5)});

    const std::optional<double> share =
        divide(m_results.cpuMilliseconds("pause/1s"), m_results.milliseconds("pause/1s"));
    add({QStringLiteral("Processor time during a 1-second pause"),
         ms(m_results.cpuMilliseconds("pause/1s")),
         QStringLiteral("wall time: %1").arg(ms(m_results.milliseconds("pause/1s"))),
         share ? QStringLiteral("%1 %").arg(*share * 100, 0, 'f', 2) : QStringLiteral("-"),
         QStringLiteral("<= 5 %"), atMost(share, 0.05)});
}

void ReportTable::addPrinting() {
    for (const char* page : {"names", "pictures"}) {
        const QString layout = QLatin1String(page) + QStringLiteral(" layout");
        // The processor time beside it shows how much of the wall time was waiting for a core.
        const QString name = QStringLiteral("render_front_page/") + QLatin1String(page);
        const std::optional<double> render = m_results.milliseconds(name);
        add({QStringLiteral("Render one front page at 1200 dpi into an image, ") + layout,
             ms(render),
             QStringLiteral("processor time: %1").arg(ms(m_results.cpuMilliseconds(name))),
             QStringLiteral("-"), QStringLiteral("<= 500 ms"), atMost(render, 500)});
    }
    for (const char* page : {"names", "pictures"}) {
        const QString layout = QLatin1String(page) + QStringLiteral(" layout");
        const std::optional<double> printed =
            m_results.milliseconds(QStringLiteral("print_to_queue/") + QLatin1String(page));
        add({QStringLiteral("Print one front page on the CUPS PDF queue, click to PDF written, "
                            "less the 0.95 s sweep, ") +
                 layout,
             ms(printed), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("<= 2000 ms"),
             atMost(printed, 2000)});
    }
    addPrintedPdf(QStringLiteral("names"), 4);
    addPrintedPdf(QStringLiteral("pictures"), 20);
    const QString backs = QStringLiteral("print_to_queue/backs");
    const std::optional<double> own = m_results.counter(backs, QStringLiteral("backs_at_own_size"));
    add({QStringLiteral("Printed backs drawn from the design's own pixels (pdfimages)"),
         own ? QStringLiteral("%1 of 4").arg(*own) : QStringLiteral("-"), QStringLiteral("-"),
         QStringLiteral("-"), QStringLiteral("4 of 4"),
         own ? std::optional<bool>(*own == 4) : std::nullopt});
}

void ReportTable::addPrintedPdf(const QString& page, int photos) {
    const QString name = QStringLiteral("print_to_queue/") + page;
    const std::optional<double> mb = m_results.counter(name, QStringLiteral("pdf_mb"));
    add({QStringLiteral("Printed PDF of a front page with four 24 MP photos, ") + page +
             QStringLiteral(" layout"),
         mb ? QStringLiteral("%1 MB").arg(*mb, 0, 'f', 2) : QStringLiteral("-"),
         QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("< 10 MB"),
         mb ? std::optional<bool>(*mb < 10) : std::nullopt});
    const std::optional<double> found = m_results.counter(name, QStringLiteral("photos"));
    const std::optional<double> ppi = m_results.counter(name, QStringLiteral("photo_min_ppi"));
    add({QStringLiteral("Least resolution of the printed photos (pdfimages), ") + page +
             QStringLiteral(" layout"),
         ppi ? QStringLiteral("%1 ppi, %2 photos").arg(*ppi).arg(found.value_or(0))
             : QStringLiteral("-"),
         QStringLiteral("-"), QStringLiteral("-"),
         QStringLiteral(">= 300 ppi, %1 photos").arg(photos),
         ppi && found ? std::optional<bool>(*ppi >= 300 && int(*found) == photos) : std::nullopt});
}

void ReportTable::addGame() {
    const QString game = QStringLiteral("game_pdf/8x24mp");
    const std::optional<double> written = m_results.milliseconds(game);
    const std::optional<double> decoded =
        m_results.milliseconds(QStringLiteral("decode_all/32x24mp"));
    const int denominator =
        int(m_results.counter(QStringLiteral("decode_all/32x24mp"), QStringLiteral("scale_denom"))
                .value_or(0));
    const std::optional<double> ratio = divide(written, decoded);
    add({QStringLiteral("Whole game of 8 series with 32 different 24 MP photos to PDF"),
         ms(written),
         QStringLiteral("libjpeg-turbo decoding the 32 photos at 1/%1 on all cores: %2")
             .arg(denominator)
             .arg(ms(decoded)),
         ratio ? times(*ratio) : QStringLiteral("-"), QStringLiteral("<= 1.3x"),
         atMost(ratio, 1.3)});
    const std::optional<double> mb = m_results.counter(game, QStringLiteral("mb_per_series"));
    add({QStringLiteral("PDF size per fronts page with four 24 MP photos (the game's PDF per "
                        "series, its page of backs included)"),
         mb ? QStringLiteral("%1 MB").arg(*mb, 0, 'f', 2) : QStringLiteral("-"),
         QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("<= 1.5 MB"), atMost(mb, 1.5)});
    const std::optional<double> ppi = m_results.counter(game, QStringLiteral("least_ppi"));
    const std::optional<double> photos = m_results.counter(game, QStringLiteral("photos"));
    add({QStringLiteral("Least resolution of any photo, design back or card frame in the game's "
                        "PDF (pdfimages)"),
         ppi ? QStringLiteral("%1 ppi, %2 photos").arg(*ppi).arg(photos.value_or(0))
             : QStringLiteral("-"),
         QStringLiteral("-"), QStringLiteral("-"), QStringLiteral(">= 300 ppi"),
         ppi ? std::optional<bool>(*ppi >= 300) : std::nullopt});
}

void ReportTable::addGameMemory() {
    const std::optional<double> eight = m_results.memoryGame(8);
    const std::optional<double> bare = m_results.memoryBare();
    const std::optional<double> extra =
        eight && bare ? std::optional<double>(*eight - *bare) : std::nullopt;
    const auto megabytes = [](std::optional<double> value) {
        return value ? QStringLiteral("%1 MB").arg(*value, 0, 'f', 1) : QStringLiteral("-");
    };
    add({QStringLiteral("Peak resident memory, window writing that game from the Export button"),
         megabytes(eight), QStringLiteral("bare widgets window: %1").arg(megabytes(bare)),
         extra ? QStringLiteral("+%1 MB").arg(*extra, 0, 'f', 1) : QStringLiteral("-"),
         QStringLiteral("<= +150 MB"), atMost(extra, 150)});
    const std::optional<double> growth = divide(m_results.memoryGame(32), eight);
    add({QStringLiteral("Peak resident memory, game of 32 series against 8"),
         megabytes(m_results.memoryGame(32)), QStringLiteral("8 series: %1").arg(megabytes(eight)),
         growth ? QStringLiteral("%1 %").arg((*growth - 1) * 100, 0, 'f', 1) : QStringLiteral("-"),
         QStringLiteral("within 10 %"),
         growth ? std::optional<bool>(std::abs(*growth - 1) <= 0.1) : std::nullopt});
}

void ReportTable::addResponsiveness() {
    const struct {
        const char* name;
        const char* figure;
    } actions[] = {{"place_108mp", "placing a 108 MP photo"},
                   {"load_4x48mp", "loading a series of four 48 MP photos"},
                   {"game_13x24mp", "writing a game of 13 series from the Export button"}};
    for (const auto& action : actions) {
        const std::optional<double> stall = m_results.counter(
            QStringLiteral("stall/") + QLatin1String(action.name), QStringLiteral("stall_ms"));
        add({QStringLiteral("Longest time the window does not handle events while ") +
                 QLatin1String(action.figure),
             ms(stall), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("<= 50 ms"),
             atMost(stall, 50)});
    }
}

QString ReportTable::markdown(const QString& date, const QString& processor, int cores) const {
    QString out;
    out += QStringLiteral("# Benchmark results\n\n");
    out += QStringLiteral("Run on %1 on %2 (%3 cores); load average when the benchmarks started: "
                          "%4. Every baseline was measured in the same run; times are medians.\n\n")
               .arg(date, processor)
               .arg(cores)
               .arg(m_results.loadAverage());
    out += QStringLiteral("| Figure | Measured | Baseline (same run) | Ratio | Goal | Met |\n");
    out += QStringLiteral("|---|---|---|---|---|---|\n");
    QStringList missed;
    for (const Row& row : m_rows) {
        out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                   .arg(row.figure, row.measured, row.baseline, row.ratio, row.goal, met(row.met));
        if (row.met != std::optional<bool>(true))
            missed << row.figure;
    }
    out += missed.isEmpty() ? QStringLiteral("\nEvery goal is met.\n")
                            : QStringLiteral("\nGoals not met in this run:\n\n- ") +
                                  missed.join(QStringLiteral("\n- ")) + '\n';
    return out;
}
