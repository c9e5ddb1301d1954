// The help page, shown over the card sheet while help is open.
#pragma once

#include <QTextBrowser>

class HelpPane final : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpPane(QWidget* parent = nullptr);

    // Reads the page afresh from disk; a page that is missing or unreadable leaves the pane empty.
    void showPage(const QString& path);
};
