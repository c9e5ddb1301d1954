// A settings value that holds a number, a text, or nothing.
#include "SettingValue.h"

#include <charconv>
#include <cmath>

SettingValue SettingValue::number(double value) {
    SettingValue v;
    v.m_kind = Kind::Number;
    v.m_number = value;
    return v;
}

SettingValue SettingValue::text(QString value) {
    SettingValue v;
    v.m_kind = Kind::Text;
    v.m_text = std::move(value);
    return v;
}

QString SettingValue::display() const {
    switch (m_kind) {
    case Kind::Number:
        return plainDecimal(m_number);
    case Kind::Text:
        return m_text;
    case Kind::Empty:
        break;
    }
    return {};
}

QString SettingValue::plainDecimal(double value) {
    // Not-a-number and infinity have no plain decimal form; zero is written without a sign.
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // The longest fixed form of a double (about 1.8e308 or 5e-324) stays well under 400 chars.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}
