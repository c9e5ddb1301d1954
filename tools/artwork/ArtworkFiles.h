// Writing the generated pictures into the resources folder, or checking the files there against
// them.
#pragma once

#include "Artwork.h"

#include <QDir>
#include <QStringList>

namespace artwork {

inline constexpr int kJpegQuality = 92;

// Problems with the drawing itself (wrong size, pointer tip not opaque); empty when all is well.
QStringList selfCheck(const Artwork& art);

// Writes the picture below the resources folder; returns an error text, empty on success.
QString writeArtwork(const QDir& resources, const Artwork& art);

// Compares the picture with the file below the resources folder; returns a difference, empty if
// equal.
QString compareArtwork(const QDir& resources, const Artwork& art);

} // namespace artwork
