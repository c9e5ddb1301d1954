// The real main window on the benchmark's program folder, driven as a user would drive it.
#pragma once

#include "BenchPrompts.h"
#include "MainWindow.h"
#include "ProgramFolder.h"

#include <QString>
#include <QStringList>

class BenchWindow final {
public:
    explicit BenchWindow(const QString& programFolder);
    // Closes the window as the user would, so no copy of unsaved work is left for the next start.
    ~BenchWindow();
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    MainWindow& window() { return m_window; }
    BenchPrompts& prompts() { return m_prompts; }

    // Clicks the photo of `card` and picks `path` in the file dialog; waits until the card has
    // repainted. False when the program showed a message instead.
    bool place(int card, const QString& path);
    // Opens the series file `fileName` of the series folder in the window, as a file given to the
    // program is opened, and waits until the cards have repainted. False when the program showed a
    // message instead.
    bool load(const QString& fileName);
    // Clicks the Export button and saves the whole game of the series folder to `pdf`; waits
    // until it is written. False when the program said anything but that it was written.
    bool writeGame(const QString& pdf);

private:
    // Runs the event loop until the photos being decoded are on the cards, sleeping in between.
    void waitUntilIdle();

    ProgramFolder m_folder;
    BenchPrompts m_prompts;
    MainWindow m_window;
};
