#include "app/resources/image_encoding.h"

#include <cstdint>
#include <stdexcept>

namespace quirevo::resources {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

void put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// Rows are padded to whole 32-bit words.
std::uint32_t rowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel) + 31) /
          32) *
         4;
}

void checkSize(const PixelMap& map) {
  if (map.width <= 0 || map.height <= 0 ||
      map.pixels.size() !=
          static_cast<std::size_t>(map.width) * static_cast<std::size_t>(map.height)) {
    throw std::invalid_argument("pixel map has no pixels or a wrong pixel count");
  }
}

// BITMAPINFOHEADER, palette and the 4-bit colour rows, bottom row first. An icon's header
// counts the colour rows and the mask rows, hence the height factor.
void putInfoAndColours(std::string& out, const PixelMap& map, int heightFactor,
                       std::uint32_t imageBytes) {
  put32(out, kInfoHeaderSize);
  put32(out, static_cast<std::uint32_t>(map.width));
  put32(out, static_cast<std::uint32_t>(map.height * heightFactor));
  put16(out, 1);  // planes
  put16(out, 4);  // bits per pixel
  put32(out, 0);  // no compression
  put32(out, imageBytes);
  put32(out, 3780);  // 96 dpi in pixels per metre
  put32(out, 3780);
  put32(out, 16);  // colours used
  put32(out, 0);
  for (const Rgb& colour : kStandardPalette) {
    out += static_cast<char>(colour.blue);
    out += static_cast<char>(colour.green);
    out += static_cast<char>(colour.red);
    out += '\0';
  }
  const std::uint32_t stride = rowBytes(map.width, 4);
  for (int y = map.height - 1; y >= 0; --y) {
    std::string row(stride, '\0');
    for (int x = 0; x < map.width; ++x) {
      const auto shift = (x % 2 == 0) ? 4 : 0;
      row[static_cast<std::size_t>(x / 2)] =
          static_cast<char>(static_cast<std::uint8_t>(row[static_cast<std::size_t>(x / 2)]) |
                            (map.at(x, y) << shift));
    }
    out += row;
  }
}

}  // namespace

std::string encodeBmp(const PixelMap& map) {
  checkSize(map);
  const std::uint32_t imageBytes = rowBytes(map.width, 4) * static_cast<std::uint32_t>(map.height);
  const std::uint32_t offset = 14 + kInfoHeaderSize + kPaletteSize;
  std::string out = "BM";
  put32(out, offset + imageBytes);
  put32(out, 0);
  put32(out, offset);
  putInfoAndColours(out, map, 1, imageBytes);
  return out;
}

std::string encodeIco(const PixelMap& map) {
  checkSize(map);
  if (map.width > 256 || map.height > 256) {
    throw std::invalid_argument("an icon is at most 256 x 256 pixels");
  }
  const std::uint32_t colourBytes = rowBytes(map.width, 4) * static_cast<std::uint32_t>(map.height);
  const std::uint32_t maskStride = rowBytes(map.width, 1);
  const std::uint32_t maskBytes = maskStride * static_cast<std::uint32_t>(map.height);
  const std::uint32_t imageSize = kInfoHeaderSize + kPaletteSize + colourBytes + maskBytes;

  PixelMap colours = map;
  for (std::uint8_t& pixel : colours.pixels) {
    if (pixel == kOlive) {
      pixel = 0;  // masked pixels are black in the colour image, so they vanish when drawn
    }
  }

  std::string out;
  put16(out, 0);
  put16(out, 1);  // an icon, not a cursor
  put16(out, 1);  // one image
  out += static_cast<char>(map.width == 256 ? 0 : map.width);
  out += static_cast<char>(map.height == 256 ? 0 : map.height);
  out += static_cast<char>(16);  // colours
  out += '\0';
  put16(out, 1);  // planes
  put16(out, 4);  // bits per pixel
  put32(out, imageSize);
  put32(out, 6 + 16);  // the image follows the directory
  putInfoAndColours(out, colours, 2, colourBytes + maskBytes);
  for (int y = map.height - 1; y >= 0; --y) {
    std::string row(maskStride, '\0');
    for (int x = 0; x < map.width; ++x) {
      if (map.at(x, y) == kOlive) {
        row[static_cast<std::size_t>(x / 8)] = static_cast<char>(
            static_cast<std::uint8_t>(row[static_cast<std::size_t>(x / 8)]) | (0x80 >> (x % 8)));
      }
    }
    out += row;
  }
  return out;
}

}  // namespace quirevo::resources
