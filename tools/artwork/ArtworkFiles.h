// Writing the generated pictures into the source tree, or checking the files there against them.
#pragma once

#include "Artwork.h"

#include <QDir>
#include <QStringList>

namespace artwork {

inline constexpr int kJpegQuality = 90;

// Problems with the drawing itself (wrong size, pointer tip not opaque); empty when all is well.
QStringList selfCheck(const Artwork& art);

// Writes the picture below the source folder, making its folder if need be; returns an error text,
// empty on success.
QString writeArtwork(const QDir& source, const Artwork& art);

// Compares the picture with the file below the source folder; returns a difference, empty if
// equal.
QString compareArtwork(const QDir& source, const Artwork& art);

} // namespace artwork
