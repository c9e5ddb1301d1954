// The fonts of the main window: Liberation Sans, which has Arial's metrics, at the given size.
#pragma once

#include <QFont>
#include <QStringList>

inline QFont shellFont(qreal points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
