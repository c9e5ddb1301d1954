// The texts, photo paths and framings of one series of four cards, as a plain value.
#pragma once

#include "Framing.h"

#include <QString>
#include <array>

inline constexpr int kCards = 4; // cards are numbered 1..4
inline constexpr int kLines = 4; // name lines per card, numbered 1..4

struct Series final {
    QString subject;
    std::array<QString, kCards> photoPaths;                // [card - 1]
    std::array<std::array<QString, kLines>, kCards> names; // [card - 1][line - 1]
    std::array<Framing, kCards> framings;                  // [card - 1]

    QString& name(int card, int line) { return names[card - 1][line - 1]; }
    const QString& name(int card, int line) const { return names[card - 1][line - 1]; }
    QString& photoPath(int card) { return photoPaths[card - 1]; }
    const QString& photoPath(int card) const { return photoPaths[card - 1]; }
    Framing& framing(int card) { return framings[card - 1]; }
    const Framing& framing(int card) const { return framings[card - 1]; }

    bool operator==(const Series&) const = default;
};
