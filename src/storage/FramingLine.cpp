// One line after a series file's 21 lines that keeps a card's framing.
#include "FramingLine.h"

#include "Series.h"

#include <QList>
#include <cmath>

namespace {
const QByteArray kTag = "#kader";

QByteArray number(double value) {
    return QByteArray::number(value, 'f', 4);
}
} // namespace

QByteArray FramingLine::write(int card, const Framing& framing) {
    const Framing clean = framing.clamped();
    return kTag + ' ' + QByteArray::number(card) + ' ' + number(clean.point.x()) + ' ' +
           number(clean.point.y()) + ' ' + number(clean.zoom);
}

std::optional<FramingLine::Read> FramingLine::read(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> parts = line.toByteArray().split(' ');
    if (parts.size() != 5 || parts[0] != kTag)
        return std::nullopt;
    bool ok = false;
    const int card = parts[1].toInt(&ok);
    if (!ok || card < 1 || card > kCards)
        return std::nullopt;
    double values[3];
    for (int i = 0; i < 3; ++i) {
        values[i] = parts[2 + i].toDouble(&ok);
        if (!ok || !std::isfinite(values[i]))
            return std::nullopt;
    }
    return Read{card, Framing{QPointF(values[0], values[1]), values[2]}.clamped()};
}
