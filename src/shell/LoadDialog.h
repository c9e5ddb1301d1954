// The load dialog: lists the saved series, and loads the one the user picks.
#pragma once

#include "GuardedDialog.h"
#include "Result.h"
#include "SeriesFolder.h"

#include <functional>

class QLabel;
class QListWidget;
class UserPrompts;

class LoadDialog final : public GuardedDialog {
    Q_OBJECT
public:
    // Starts loading a listed file; `done` runs once the cards show it, or with the error that
    // kept it from loading (then nothing changed).
    using StartLoad =
        std::function<void(const QString& fileName, std::function<void(const Status&)> done)>;

    // Lists `folder` afresh, with nothing selected; opens centred on `parent`.
    LoadDialog(const SeriesFolder& folder, StartLoad load, UserPrompts& prompts, QWidget* parent);

    QString selectedFile() const { return m_selectedFile; }

    // Loads the selected file and closes the dialog once it is on the cards, or says that nothing
    // is selected. The dialog takes no input and cannot be closed while the photos are decoded.
    void loadSelected();

private:
    void buildControls();
    void fillList(const SeriesFolder& folder);
    void selectionChanged();
    void finishLoad(const Status& loaded);

    StartLoad m_load;
    UserPrompts& m_prompts;
    QListWidget* m_list = nullptr;
    QLabel* m_nameLabel = nullptr;
    QString m_selectedFile;
};
