// The help page, shown over the card sheet while help is open.
#pragma once

#include <QTextBrowser>

// A plain text browser with one call of its own; it adds no signals or slots.
class HelpPane final : public QTextBrowser {
public:
    explicit HelpPane(QWidget* parent = nullptr);

    // Reads the page afresh from disk; a page that is missing or unreadable leaves the pane empty.
    void showPage(const QString& path);
};
