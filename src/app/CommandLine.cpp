// The program's command line: the window (with a series file to open), or a PDF written without
// a display, with its usage, version and errors in the program's language.
#include "CommandLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
// The options' descriptions and value names are translated when the usage is written, since the
// options exist before the program's language is installed.
QString source(const char* dutch) {
    return QString::fromUtf8(dutch);
}
QString translated(const QString& dutch) {
    return QCoreApplication::translate("CommandLine", dutch.toUtf8().constData());
}

const QCommandLineOption kPdf(QStringLiteral("pdf"),
                              source(QT_TRANSLATE_NOOP("CommandLine",
                                                       "Schrijf de genoemde series, of zonder "
                                                       "SERIE.msr alle bewaarde series, als één "
                                                       "PDF om dubbelzijdig af te drukken, en "
                                                       "stop.")),
                              source(QT_TRANSLATE_NOOP("CommandLine", "UIT.pdf")));
const QCommandLineOption
    kCheck(QStringLiteral("check"),
           source(QT_TRANSLATE_NOOP("CommandLine",
                                    "Zeg van de genoemde series, of zonder SERIE.msr van alle "
                                    "bewaarde series, wat er nog ontbreekt, en stop. Eindigt met "
                                    "0 als alles klaar is en met 2 als er iets ontbreekt.")));
const QCommandLineOption kBackDesign(
    QStringLiteral("back-design"),
    source(QT_TRANSLATE_NOOP("CommandLine", "Het ontwerp voor de rugzijde: kaartN.jpg uit de map "
                                            "kaarten (zonder deze optie 2).")),
    QStringLiteral("N"));
const QCommandLineOption
    kPaper(QStringLiteral("paper"),
           source(QT_TRANSLATE_NOOP("CommandLine",
                                    "Het papier van de PDF: a4 of letter (zonder deze optie dat "
                                    "van de standaardprinter, of anders dat van uw land).")),
           source(QT_TRANSLATE_NOOP("CommandLine", "PAPIER")));
const QCommandLineOption kHelp({QStringLiteral("h"), QStringLiteral("help")},
                               source(QT_TRANSLATE_NOOP("CommandLine", "Toon deze uitleg.")));
const QCommandLineOption
    kVersion({QStringLiteral("v"), QStringLiteral("version")},
             source(QT_TRANSLATE_NOOP("CommandLine", "Toon de versie van het programma.")));
// Qt's own options, which the application object takes out of the arguments itself (a session
// manager restarts the program with -session): accepted here and not listed.
const QStringList kQtOptionsWithValue{
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("display"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("session")};
const QStringList kQtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                           QStringLiteral("nograb"), QStringLiteral("dograb"),
                           QStringLiteral("sync")};

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// `text` in lines of at most 80 characters, each starting with `indent`.
QString wrapped(const QString& text, const QString& indent) {
    QStringList lines{indent};
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (lines.last().size() > indent.size() && lines.last().size() + 1 + word.size() > 80)
            lines << indent;
        lines.last() +=
            (lines.last().size() > indent.size() ? QStringLiteral(" ") : QString()) + word;
    }
    return lines.join(u'\n');
}
} // namespace

CommandLine::CommandLine(const QStringList& arguments)
    : m_program(QFileInfo(arguments.value(0, QStringLiteral("mosaret-designer"))).fileName()) {
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption& option : {kPdf, kBackDesign, kPaper, kCheck, kHelp, kVersion})
        addOption(option);
    for (const QString& name : kQtOptionsWithValue + kQtFlags) {
        QCommandLineOption option(name);
        if (kQtOptionsWithValue.contains(name))
            option.setValueName(QStringLiteral("waarde"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    m_parser.addPositionalArgument(tr("SERIE.msr"), tr("Een serie om te openen, of voor de PDF."));
    if (!m_parser.parse(arguments)) {
        // Qt names the option at fault between quotes; the rest of its message is Qt's own.
        const QString option =
            QRegularExpression(QStringLiteral("'([^']*)'")).match(m_parser.errorText()).captured(1);
        m_mode = fail(m_parser.unknownOptionNames().isEmpty()
                          ? tr("Na %1 ontbreekt een waarde.").arg(option)
                          : tr("Onbekende optie: %1.")
                                .arg(dashed(m_parser.unknownOptionNames().constFirst())));
        return;
    }
    read();
}

void CommandLine::addOption(const QCommandLineOption& option) {
    m_parser.addOption(option);
    m_options << option;
}

void CommandLine::read() {
    if (m_parser.isSet(kHelp)) {
        m_mode = Mode::Help;
        return;
    }
    if (m_parser.isSet(kVersion)) {
        m_mode = Mode::Version;
        return;
    }
    const QStringList series = m_parser.positionalArguments();
    if (m_parser.isSet(kCheck)) {
        if (m_parser.isSet(kPdf) || m_parser.isSet(kBackDesign) || m_parser.isSet(kPaper))
            m_mode = fail(tr("--check gaat niet samen met --pdf."));
        else
            m_mode = Mode::Check;
        m_checkFiles = series;
        return;
    }
    if (!m_parser.isSet(kPdf)) {
        if (m_parser.isSet(kBackDesign))
            m_mode = fail(tr("--back-design hoort bij --pdf UIT.pdf."));
        else if (m_parser.isSet(kPaper))
            m_mode = fail(tr("--paper hoort bij --pdf UIT.pdf."));
        else if (series.size() > 1)
            m_mode = fail(tr("Het venster opent één serie tegelijk; noem er één."));
        else
            m_seriesFile = series.value(0);
        return;
    }
    m_pdf.output = m_parser.value(kPdf);
    m_pdf.seriesFiles = series;
    if (m_pdf.output.isEmpty()) {
        m_mode = fail(tr("Na --pdf ontbreekt de naam van de PDF."));
        return;
    }
    if (m_parser.isSet(kBackDesign)) {
        bool whole = false;
        m_pdf.backDesign = m_parser.value(kBackDesign).toInt(&whole);
        if (!whole || m_pdf.backDesign < 2) {
            m_mode = fail(tr("--back-design wil een heel getal van 2 of meer: het "
                             "nummer van een ontwerp voor de rugzijde, niet \"%1\".")
                              .arg(m_parser.value(kBackDesign)));
            return;
        }
    }
    if (m_parser.isSet(kPaper)) {
        const QString paper = m_parser.value(kPaper).toLower();
        if (paper != u"a4" && paper != u"letter") {
            m_mode = fail(tr("--paper wil a4 of letter, niet \"%1\".").arg(m_parser.value(kPaper)));
            return;
        }
        m_pdf.paper = QPageSize(paper == u"a4" ? QPageSize::A4 : QPageSize::Letter);
    }
    m_mode = Mode::Pdf;
}

CommandLine::Mode CommandLine::fail(const QString& error) {
    m_error = error + tr("\nZie %1 --help.").arg(m_program);
    return Mode::Error;
}

QString CommandLine::helpText() const {
    QString text =
        tr("Gebruik: %1 [SERIE.msr]\n"
           "       %1 --pdf UIT.pdf [SERIE.msr ...] [--back-design N] [--paper a4|letter]\n"
           "       %1 --check [SERIE.msr ...]\n\n"
           "Zonder opties opent %1 zijn venster, met SERIE.msr als die genoemd "
           "is.\n\nOpties:\n")
            .arg(m_program);
    for (const QCommandLineOption& option : m_options) {
        QStringList names;
        for (const QString& name : option.names())
            names << dashed(name);
        text += QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            text += u' ' + translated(option.valueName());
        text += u'\n' + wrapped(translated(option.description()), QStringLiteral("      ")) + u'\n';
    }
    return text;
}

QString CommandLine::versionText() {
    return tr("Mosaret Designer versie %1\n").arg(QStringLiteral(MOSARET_VERSION));
}
