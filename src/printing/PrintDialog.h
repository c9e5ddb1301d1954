// The print dialog: preview, front or back mode, copies, and the X/Y position of the backs.
#pragma once

#include "DeckMode.h"
#include "DesignsFolder.h"
#include "FaceSheet.h"
#include "GuardedDialog.h"
#include "PageSink.h"
#include "PrintDialogControls.h"
#include "PrintJob.h"
#include "PrintRequest.h"
#include "ProgramFolder.h"
#include "Settings.h"
#include "UserPrompts.h"

#include <functional>
#include <memory>

class PrintDialog final : public GuardedDialog {
    Q_OBJECT
public:
    struct Context {
        ProgramFolder folder;
        DeckMode deckMode = DeckMode::Normal;
        Settings* settings = nullptr;      // BackX and BackY are read and written here
        std::function<FaceSheet()> fronts; // the current series
        UserPrompts* prompts = nullptr;
        std::function<std::unique_ptr<PageSink>()> makeSink; // the default printer when empty
        std::function<void(int)> designChosen; // told each back design the selector moves to
    };

    // Builds the dialog in front mode; a designs folder that cannot be read is reported here,
    // once, and leaves only the fronts to print.
    explicit PrintDialog(Context context, QWidget* parent = nullptr);

    // Prints one page as the Print button does: checks the fields, sweeps the preview, prints,
    // and reports any failure. Returns true when the page went to the printer.
    bool print();
    // Prints the test sheet as the Testvel button does: side 1, then, once the user has put the
    // sheet back and answered OK, side 2, as two jobs. Returns true when both sides went to the
    // printer.
    bool printTestSheet();
    // True while a print job runs; Print, Exit and the selector are disabled meanwhile, and
    // the dialog cannot be closed.
    bool isPrinting() const { return isWorking(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyDeckLayout();
    void fillFields();
    void connectControls();
    // Names the controls for screen readers and lets the keyboard reach every one of them.
    void prepareKeyboard();
    void setPosition(int position);
    void showMode(int position);
    void showDesign(int position);
    void storeBackY(const QString& text);
    enum class Lock { Idle, Printing };
    // Print, Exit and the selector are disabled while a job runs.
    void lockControls(Lock lock);
    void sweep();
    // Prints one job on a new sink; a failure is reported.
    bool printJob(const PrintJob& job);
    PrintRequest request() const;
    std::unique_ptr<PageSink> makeSink(const QString& documentName) const;
    void report(const QString& message) const;

    Context m_context;
    DesignsFolder m_designs;
    PrintDialogControls m_controls;
    int m_position = 1;
};
