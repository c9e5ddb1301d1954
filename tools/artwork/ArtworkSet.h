// The complete list of generated pictures with their file names and sizes.
#pragma once

#include "Artwork.h"

#include <vector>

namespace artwork {

// Draws every picture the program ships, in a fixed order.
std::vector<Artwork> allArtwork();

} // namespace artwork
