// The language the program speaks, chosen once at start-up from the user's languages.
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {
const QString kSource = QStringLiteral("nl");
const QStringList kSpoken{kSource, QStringLiteral("en"), QStringLiteral("de")};
} // namespace

ProgramLanguage::ProgramLanguage(const QStringList& uiLanguages) : m_code(kSource) {
    for (const QString& language : uiLanguages) {
        const QString code = language.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (kSpoken.contains(code)) {
            m_code = code;
            return;
        }
    }
}

bool ProgramLanguage::install() {
    // Qt's texts are a comfort: without them Qt's dialogs speak English.
    if (m_qt.load(QStringLiteral("qtbase_") + m_code,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (m_code == kSource)
        return true;
    return m_program.load(QStringLiteral(":/i18n/mosaret_") + m_code) &&
           QCoreApplication::installTranslator(&m_program);
}

QString ProgramLanguage::helpFile() const {
    return m_code == kSource ? QStringLiteral("help.htm")
                             : QStringLiteral("help_%1.htm").arg(m_code);
}
