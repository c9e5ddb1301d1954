// The program's command line: the window (with a series file to open), or a PDF written without
// a display, with its usage, version and errors in the program's language.
#pragma once

#include "PdfCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class CommandLine final {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Mode { Window, Pdf, Check, Help, Version, Error };

    // Reads `arguments`, the program's name first. Needs no application object; its texts are in
    // the language installed on the application when there is one, Dutch otherwise.
    explicit CommandLine(const QStringList& arguments);

    Mode mode() const { return m_mode; }
    // True when the program runs without a window, and so without a display.
    bool withoutWindow() const { return m_mode != Mode::Window; }
    // What --pdf asks for.
    const PdfCommand::Options& pdf() const { return m_pdf; }
    // The series files --check checks; none for every series of the series folder.
    QStringList checkFiles() const { return m_checkFiles; }
    // The series file the window opens with; empty for none.
    QString seriesFile() const { return m_seriesFile; }
    // The usage.
    QString helpText() const;
    // The program's name and version.
    static QString versionText();
    // What is wrong with the arguments, followed by a hint to --help.
    QString error() const { return m_error; }

private:
    void addOption(const QCommandLineOption& option);
    void read();
    Mode fail(const QString& error);

    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_options; // in the order the usage lists them
    QString m_program;
    Mode m_mode = Mode::Window;
    PdfCommand::Options m_pdf;
    QString m_seriesFile;
    QStringList m_checkFiles;
    QString m_error;
};
