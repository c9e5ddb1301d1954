// The load dialog: lists the saved series, and loads the one the user picks.
#pragma once

#include "SeriesFolder.h"

#include <QDialog>

class LoadSeries;
class QLabel;
class QListWidget;
class QPushButton;
class UserPrompts;

class LoadDialog final : public QDialog {
    Q_OBJECT
public:
    // Lists `folder` afresh, with nothing selected; opens centred on `parent`.
    LoadDialog(const SeriesFolder& folder, LoadSeries& loader, UserPrompts& prompts,
               QWidget* parent);

    QString selectedFile() const { return m_selectedFile; }

    // Loads the selected file and closes the dialog, or says that nothing is selected.
    void loadSelected();

private:
    void buildControls();
    void fillList(const SeriesFolder& folder);
    void selectionChanged();

    LoadSeries& m_loader;
    UserPrompts& m_prompts;
    QListWidget* m_list = nullptr;
    QLabel* m_nameLabel = nullptr;
    QString m_selectedFile;
    bool m_loading = false;
};
