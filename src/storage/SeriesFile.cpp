// The series file: 21 lines of Windows-1252 text, each ended by CR LF, then one line for each
// card whose photo is framed otherwise than by default.
#include "SeriesFile.h"

#include "FramingLine.h"
#include "Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace {

// A real series file is a few kilobytes; the 21 lines of a larger one are not a series.
constexpr qsizetype kMaxBytes = 4 * 1024 * 1024;
// Lines after the series that are looked at for framings; a program writes at most one a card.
constexpr int kMaxFramingLines = 64;

struct LabelledText final {
    QString label;
    QString shown; // as the user typed it
    QString text;  // as it goes into the file, before conversion
};

// A line break is written as a blank, so a name starting with one loses it like a leading blank;
// otherwise the name would be stored with a blank in front.
QString withoutLeadingBlanks(const QString& name) {
    qsizetype start = 0;
    while (start < name.size() &&
           (name[start] == u' ' || name[start] == u'\r' || name[start] == u'\n'))
        ++start;
    return name.mid(start);
}

// The 21 values in file order, each with the label the user knows it by.
std::array<LabelledText, SeriesFile::kLineCount> fileValues(const Series& series) {
    std::array<LabelledText, SeriesFile::kLineCount> values;
    values[0] = {SeriesFile::tr("Onderwerp"), series.subject, series.subject};
    for (int card = 1; card <= kCards; ++card) {
        const QString& path = series.photoPath(card);
        values[card] = {SeriesFile::tr("Foto van kaart %1").arg(card), path, path};
    }
    for (int card = 1; card <= kCards; ++card) {
        for (int line = 1; line <= kLines; ++line) {
            const QString& name = series.name(card, line);
            values[1 + kCards + (card - 1) * kLines + (line - 1)] = {
                SeriesFile::tr("Naam %1 van kaart %2").arg(line).arg(card), name,
                withoutLeadingBlanks(name)};
        }
    }
    return values;
}

bool holdsLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

QByteArray encoded(QStringView text, SeriesFile::Encoding encoding) {
    return encoding == SeriesFile::Encoding::Utf8 ? text.toUtf8() : Windows1252::encode(text);
}

QString decoded(QByteArrayView bytes, SeriesFile::Encoding encoding) {
    return encoding == SeriesFile::Encoding::Utf8 ? QString::fromUtf8(bytes)
                                                  : Windows1252::decode(bytes);
}

// Takes the framing lines after the 21 lines of the series: the first valid line for a card
// counts, anything else is passed over.
void readFramings(QByteArrayView rest, Series& series) {
    std::array<bool, kCards> found{};
    int lines = 0;
    while (!rest.isEmpty() && lines++ < kMaxFramingLines) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (const auto framing = FramingLine::read(line); framing && !found[framing->card - 1]) {
            found[framing->card - 1] = true;
            series.framing(framing->card) = framing->framing;
        }
    }
}

} // namespace

QByteArray SeriesFile::serialize(const Series& series, Encoding encoding) {
    QByteArray bytes;
    for (const auto& value : fileValues(series)) {
        // A line break inside a value would shift every later line, so it is written as a blank.
        QString text = value.text;
        text.replace(u'\r', u' ').replace(u'\n', u' ');
        bytes += encoded(text, encoding) + "\r\n";
    }
    for (int card = 1; card <= kCards; ++card) {
        if (!series.framing(card).isDefault())
            bytes += FramingLine::write(card, series.framing(card)) + "\r\n";
    }
    return bytes;
}

QStringList SeriesFile::unencodableTexts(const Series& series) {
    QStringList texts;
    for (const auto& value : fileValues(series)) {
        if (!Windows1252::canEncode(value.text) || holdsLineBreak(value.shown))
            texts += value.label + QStringLiteral(": ") + value.shown;
    }
    return texts;
}

Result<Series> SeriesFile::parse(QIODevice& device) {
    // One byte past the limit tells a file that is too large from one that just fits.
    return parse(device.read(kMaxBytes + 1));
}

Result<Series> SeriesFile::read(const QString& path, const QString& shownName) {
    const QFileInfo info(path);
    if (!info.exists())
        return Error{tr("Het bestand \"%1\" bestaat niet (meer).").arg(shownName)};
    // Only regular files are read: a FIFO or device would block or never end.
    if (!info.isFile())
        return Error{tr("\"%1\" is geen gewoon bestand.").arg(shownName)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{tr("Het bestand \"%1\" kan niet worden geopend.").arg(shownName)};
    return parse(file);
}

Result<Series> SeriesFile::parse(const QByteArray& bytes, Encoding encoding) {
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < kLineCount && start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (next > kMaxBytes)
            return Error{tr("Het bestand is te groot om een serie te zijn.")};
        if (end < 0)
            end = bytes.size();
        if (end > start && bytes[end - 1] == '\r')
            --end;
        lines += decoded(QByteArrayView(bytes).sliced(start, end - start), encoding);
        start = next;
    }
    if (lines.size() < 2)
        return Error{tr("Het bestand bevat geen serie: het heeft minder dan twee regels.")};
    lines.resize(kLineCount);

    Series series;
    series.subject = lines[0];
    for (int card = 1; card <= kCards; ++card)
        series.photoPath(card) = lines[card];
    for (int card = 1; card <= kCards; ++card) {
        for (int line = 1; line <= kLines; ++line)
            series.name(card, line) = lines[1 + kCards + (card - 1) * kLines + (line - 1)];
    }
    readFramings(QByteArrayView(bytes).sliced(start), series);
    return series;
}
