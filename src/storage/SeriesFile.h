// The series file: 21 lines of Windows-1252 text, each ended by CR LF, then one line for each
// card whose photo is framed otherwise than by default.
#pragma once

#include "Result.h"
#include "Series.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QIODevice>
#include <QStringList>

class SeriesFile final {
    Q_DECLARE_TR_FUNCTIONS(SeriesFile)

public:
    static constexpr int kLineCount = 21;
    // Series files are Windows-1252; the program's own copies of unsaved work keep every
    // character in UTF-8.
    enum class Encoding { Windows1252, Utf8 };

    // Line 1 the subject, lines 2-5 the photo paths, lines 6-21 the names card by card with
    // their leading blanks removed. Characters Windows-1252 cannot hold become '?', and a line
    // break inside a value becomes a blank, so the file always keeps its 21 lines. A framing line
    // (FramingLine) follows for each card not at the default framing.
    static QByteArray serialize(const Series& series, Encoding encoding = Encoding::Windows1252);
    // The texts of `series` that Windows-1252 cannot hold unchanged, as the user would know them
    // ("Onderwerp", "Naam 2 van kaart 3", "Foto van kaart 1"), each followed by ": " and the text.
    // A text holding a line break is listed too.
    static QStringList unencodableTexts(const Series& series);

    // Reads the lines as stored (names without a leading blank). Accepts CR LF and bare LF line
    // ends. A file with fewer than two lines is an error; values of missing later lines are empty.
    // Of the lines after the 21st only framing lines count, the first valid one for each card;
    // others are passed over. 21 lines longer than 4 MB together are an error, so a huge file is
    // never read into memory.
    static Result<Series> parse(QIODevice& device);
    static Result<Series> parse(const QByteArray& bytes, Encoding encoding = Encoding::Windows1252);
    // Reads the series file at `path`, wherever it lies; an error (naming the file as
    // `shownName`) when it is missing, not a regular file, cannot be opened or holds no series.
    static Result<Series> read(const QString& path, const QString& shownName);
};
