// Reading the print dialog's fields: the number of copies and the X/Y position of the backs.
#include "PrintFields.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

std::optional<int> PrintFields::copies(const QString& text) {
    static const QRegularExpression whole(QStringLiteral("^\\+?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!whole.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = trimmed.toLongLong(&ok);
    if (!ok || value < 1 || value > kMaxCopies)
        return std::nullopt;
    return int(value);
}

std::optional<double> PrintFields::number(const QString& text) {
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?$"));
    QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    trimmed.replace(u',', u'.');
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return value;
}

std::optional<double> PrintFields::backX(const SettingValue& value) {
    if (value.isNumber() && std::isfinite(value.toNumber()))
        return value.toNumber();
    if (value.isText())
        return number(value.toText());
    return std::nullopt;
}

std::optional<qint32> PrintFields::backY(const QString& text) {
    const std::optional<double> value = number(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value); // the default rounding mode: halves to even
    if (rounded < std::numeric_limits<qint32>::min() ||
        rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(rounded);
}
