// The help page, shown over the card sheet while help is open.
#include "HelpPane.h"

#include <QFileInfo>
#include <QUrl>

HelpPane::HelpPane(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("WebBrowser"));
    setOpenExternalLinks(true);
}

void HelpPane::showPage(const QString& path) {
    const QFileInfo page(path);
    if (!page.isFile() || !page.isReadable()) {
        setSource(QUrl());
        clear();
        return;
    }
    const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
    if (source() == url)
        reload(); // the page may have changed since it was last shown
    else
        setSource(url);
}
