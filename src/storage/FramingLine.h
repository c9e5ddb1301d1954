// One line after a series file's 21 lines that keeps a card's framing, as
// "#kader <card> <x> <y> <zoom>": the point as fractions of the upright photo, then the zoom.
#pragma once

#include "Framing.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class FramingLine final {
public:
    struct Read {
        int card = 0;
        Framing framing;
    };
    // The line for `card`, without its line end; four decimals for each value.
    static QByteArray write(int card, const Framing& framing);
    // The card and framing of a line (with or without its CR), values brought into range; nothing
    // for a line of another kind, a card number outside 1..4 or a value that is no number.
    static std::optional<Read> read(QByteArrayView line);
};
