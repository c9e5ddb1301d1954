// The dialog "Spel samenstellen": every series of the game with what it still lacks, to choose
// which go into the game's PDF or to open one in the window.
#pragma once

#include "GameCheck.h"

#include <QDialog>
#include <QStringList>

class GameSurvey;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class GameDialog final : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kThumbnail{32, 24};

    // Lists the series at `paths` in that order, each checked, at once; their checks, subjects
    // and small photos arrive as the background survey finds them, and stop with the dialog. A
    // series that cannot be read is unchecked and cannot be checked.
    GameDialog(const QStringList& paths, QWidget* parent);
    ~GameDialog() override;

    // The checked series, in list order.
    QStringList chosen() const;
    // The series double-clicked to be opened in the window instead; empty when none was.
    QString opened() const { return m_opened; }

private:
    void buildControls();
    void showFinding(int row, const GameCheck::Finding& finding);
    void showPhoto(int row, int card, const QImage& photo);
    void checkAll(bool checked);
    void count();

    QStringList m_paths;
    QTreeWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_make = nullptr;
    GameSurvey* m_survey = nullptr;
    QString m_opened;
};
