#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quirevo::resources {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  bool operator==(const Rgb&) const = default;
};

// The standard 16-colour palette in its usual order, and the letter that stands for each colour
// in a pixel map: k black, m maroon, g green, "." olive, n navy, p purple, t teal, s silver,
// d dark grey, r red, l lime, y yellow, b blue, f fuchsia, c cyan, w white.
inline constexpr std::array<Rgb, 16> kStandardPalette{{{0, 0, 0},
                                                       {128, 0, 0},
                                                       {0, 128, 0},
                                                       {128, 128, 0},
                                                       {0, 0, 128},
                                                       {128, 0, 128},
                                                       {0, 128, 128},
                                                       {192, 192, 192},
                                                       {128, 128, 128},
                                                       {255, 0, 0},
                                                       {0, 255, 0},
                                                       {255, 255, 0},
                                                       {0, 0, 255},
                                                       {255, 0, 255},
                                                       {0, 255, 255},
                                                       {255, 255, 255}}};
inline constexpr std::string_view kPaletteLetters = "kmg.nptsdrlybfcw";

// Olive: the glyphs' bottom-left pixel and the icon's transparent areas.
inline constexpr std::uint8_t kOlive = 3;

// A picture as palette indices, top row first.
struct PixelMap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  std::uint8_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// Reads a pixel map: one line a row, one palette letter a pixel; lines starting with "#" and
// empty lines are comments. Throws std::invalid_argument for an unknown letter or rows of
// different lengths.
PixelMap parsePixelMap(std::string_view text);

}  // namespace quirevo::resources
