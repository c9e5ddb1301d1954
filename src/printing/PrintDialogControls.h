// The print dialog's controls, created at their places inside the dialog's frame.
#pragma once

#include <QColor>
#include <QString>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QWidget;

struct PrintDialogControls final {
    static constexpr QColor kBackField{200, 230, 190}; // the X and Y fields' background

    // The preview card and what lies on it.
    struct Preview final {
        QLabel* panel = nullptr;          // Label1: the card's background
        QLabel* picture = nullptr;        // Picture2: card outline or design picture, stretched
        QLabel* subjectMark = nullptr;    // Label11: "Onderwerp" in the normal deck
        QFrame* photoMark = nullptr;      // Tumble: the photo placeholder
        QLabel* numbers = nullptr;        // Label12: "1. 2. 3. 4." in the normal deck
        std::array<QLabel*, 4> squares{}; // Klein_1..Klein_4: the children's deck's small photos
    };
    // The fields for the position of the backs, shown in back mode only.
    struct BackFields final {
        QLabel* title = nullptr;          // Label7
        QLineEdit* x = nullptr;           // Text2
        QLineEdit* y = nullptr;           // Text3
        std::array<QLabel*, 2> marks{};   // Label8 "X" and Label9 "Y"
        QLabel* hint = nullptr;           // Label10
        QPushButton* testSheet = nullptr; // TestvelKnop: prints the sheet that finds X and Y
    };

    QFrame* frame = nullptr; // Frame1: holds every visible control
    Preview preview;
    QLabel* selectorBorder = nullptr; // Label2
    QScrollBar* selector = nullptr;   // VScroll1: 1 for fronts, 2 and up for a back design
    BackFields back;
    QLabel* modeCaption = nullptr;  // Label4
    QLineEdit* copies = nullptr;    // Text1
    QLabel* copiesLabel = nullptr;  // Label5
    QLabel* buttonBorder = nullptr; // Label3
    QPushButton* print = nullptr;   // OkKnop
    QPushButton* exit = nullptr;    // ExitKnop
    QFrame* sweepLine = nullptr;    // Line1: the line that sweeps over the preview while printing

    // Creates the controls as children of `dialog`, stacked so that the preview's marks lie on
    // the preview picture and the sweep line on top of everything.
    static PrintDialogControls create(QWidget* dialog);
    // Moves the sweep line to frame top `top` in twips, across the preview.
    void placeSweepLine(int top) const;
};
