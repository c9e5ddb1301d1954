// Reading the print dialog's fields: the number of copies and the X/Y position of the backs.
#pragma once

#include "SettingValue.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class PrintFields final {
public:
    static constexpr int kMaxCopies = 32767;

    // The copies text, blanks around it ignored, as a whole number from 1 to 32767.
    static std::optional<int> copies(const QString& text);
    // A decimal number with a period or a comma before the fraction and an optional exponent,
    // blanks around it ignored; nothing for other text or a value beyond single precision.
    static std::optional<double> number(const QString& text);
    // The left edge of the backs: a stored number as it stands, a typed text when it is a number.
    static std::optional<double> backX(const SettingValue& value);
    // The top edge of the backs: a number rounded to the nearest whole number (halves to the even
    // neighbour) that fits a signed 32-bit integer.
    static std::optional<qint32> backY(const QString& text);
};
