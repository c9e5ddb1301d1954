// The two complete series and settings that the kill test's helper saves in turn.
#pragma once

#include "Series.h"
#include "Settings.h"

#include <QString>

namespace SaveKill {

inline const QString kSeriesName = QStringLiteral("Vogels");
inline const QString kSettingsName = QStringLiteral("Mosaret.ini");

// Version 0 and version 1 differ in every line and in length, so a mix or a cut shows.
inline Series series(int version) {
    Series s;
    s.subject =
        version == 0 ? QStringLiteral("Vogels") : QStringLiteral("Vogels van het bos, deel 2");
    for (int card = 1; card <= kCards; ++card) {
        s.photoPath(card) = QStringLiteral("/home/anna/Foto/%1/kaart%2.jpg").arg(version).arg(card);
        for (int line = 1; line <= kLines; ++line)
            s.name(card, line) = version == 0 ? QStringLiteral("%1. Merel").arg(line)
                                              : QStringLiteral("%1. Grote bonte specht").arg(line);
    }
    return s;
}

inline Settings settings(int version) {
    Settings s;
    if (version == 1) {
        s.reserved1 = SettingValue::text(QStringLiteral("gereserveerd, met een komma"));
        s.backX = SettingValue::text(QStringLiteral("1712.5"));
        s.backY = -2147483647;
    }
    return s;
}

} // namespace SaveKill
