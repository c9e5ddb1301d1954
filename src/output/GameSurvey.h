// The series of a game looked over in the background: each checked, then its photos read small.
#pragma once

#include "GameCheck.h"

#include <QImage>
#include <QObject>
#include <QStringList>
#include <memory>

// The work runs on a thread of its own and never holds up the owner's thread: a file or photo
// on a share that stopped answering only holds up that thread. Results arrive as signals on the
// owner's thread; once the survey is destroyed the thread stops at the next file and nothing more
// arrives.
class GameSurvey final : public QObject {
    Q_OBJECT
public:
    // Starts on `paths` at once; photos are read to fit `thumbnail`, never at their full size.
    GameSurvey(const QStringList& paths, QSize thumbnail, QObject* parent = nullptr);
    ~GameSurvey() override;

signals:
    // The series at `row` checked on its own.
    void checked(int row, const GameCheck::Finding& finding);
    // Every series checked, subjects compared between them: the findings in the order of the rows.
    void allChecked(const QList<GameCheck::Finding>& findings);
    // The photo of `card` (1 to 4) of the series at `row`, small; a null image for none.
    void photoRead(int row, int card, const QImage& photo);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};
