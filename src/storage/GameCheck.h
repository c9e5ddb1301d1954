// What keeps the series of a game from being finished: cards without a photo, photos not found,
// empty names, subjects used twice and files that cannot be read.
#pragma once

#include "Series.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class GameCheck final {
    Q_DECLARE_TR_FUNCTIONS(GameCheck)

public:
    struct Finding {
        QString path; // the series file
        bool readable = false;
        Series series;        // as read, when readable
        QStringList problems; // in words, empty for a finished series
        QStringList photos;   // per card, where its photo was found; empty when not

        QString fileName() const;
    };

    // Checks one series file on its own: photos are looked up where a load looks for them (never
    // decoded), names and the file itself are read.
    static Finding checkFile(const QString& path);
    // Adds "zelfde onderwerp als X.msr" to each readable finding whose subject another has.
    static void markSharedSubjects(QList<Finding>& findings);
    // Every file checked, in the order given, subjects compared between them.
    static QList<Finding> check(const QStringList& paths);
};
