#pragma once

#include <string>

#include "app/resources/pixel_map.h"

namespace quirevo::resources {

// A 4-bit Windows bitmap file with the standard palette, rows stored bottom-up.
std::string encodeBmp(const PixelMap& map);

// An icon file holding one 4-bit image of the map; olive pixels are masked out as transparent.
std::string encodeIco(const PixelMap& map);

// A PNG file of the map with the standard palette, olive transparent, every pixel drawn as a
// square of scale x scale pixels: larger sizes of the icon with its hard edges kept.
std::string encodePng(const PixelMap& map, int scale);

}  // namespace quirevo::resources
