// A settings value that holds a number, a text, or nothing.
#pragma once

#include <QString>

class SettingValue final {
public:
    enum class Kind { Empty, Number, Text };

    SettingValue() = default;
    static SettingValue number(double value);
    static SettingValue text(QString value);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isNumber() const { return m_kind == Kind::Number; }
    bool isText() const { return m_kind == Kind::Text; }
    double toNumber() const { return m_number; } // meaningful for Kind::Number
    QString toText() const { return m_text; }    // meaningful for Kind::Text

    // The text a field shows for this value: a number in plain decimal, a text as it stands.
    QString display() const;

    // A number in plain decimal: minus when negative, no exponent, no thousands separators, a
    // period before the fraction, no period for whole numbers; the shortest such text that reads
    // back to the same double.
    static QString plainDecimal(double value);

    bool operator==(const SettingValue&) const = default;

private:
    Kind m_kind = Kind::Empty;
    double m_number = 0;
    QString m_text;
};
