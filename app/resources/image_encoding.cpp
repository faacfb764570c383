#include "app/resources/image_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

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

// PNG stores its numbers most significant byte first.
void putBig32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out += static_cast<char>((value >> shift) & 0xFF);
  }
}

std::uint32_t crc32(std::string_view bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) {
        c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
      }
      entries[n] = c;
    }
    return entries;
  }();
  std::uint32_t crc = 0xFFFFFFFFU;
  for (const char byte : bytes) {
    crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
  }
  return crc ^ 0xFFFFFFFFU;
}

std::uint32_t adler32(std::string_view bytes) {
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const char byte : bytes) {
    a = (a + static_cast<std::uint8_t>(byte)) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void putChunk(std::string& out, std::string_view type, std::string_view data) {
  putBig32(out, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed += data;
  out += typed;
  putBig32(out, crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks: the images are small, and no
// compression library is needed.
std::string zlibStored(std::string_view data) {
  constexpr std::size_t kBlock = 65535;
  std::string out = "\x78\x01";
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(kBlock, data.size() - offset);
    const bool last = offset + length == data.size();
    out += static_cast<char>(last ? 1 : 0);
    put16(out, static_cast<std::uint32_t>(length));
    put16(out, static_cast<std::uint32_t>(~length & 0xFFFF));
    out += data.substr(offset, length);
    offset += length;
  } while (offset < data.size());
  putBig32(out, adler32(data));
  return out;
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

std::string encodePng(const PixelMap& map, int scale) {
  checkSize(map);
  if (scale < 1 || map.width * scale > 1024 || map.height * scale > 1024) {
    throw std::invalid_argument("a scaled image is 1 to 1024 pixels a side");
  }
  const int width = map.width * scale;
  const int height = map.height * scale;

  std::string header;
  putBig32(header, static_cast<std::uint32_t>(width));
  putBig32(header, static_cast<std::uint32_t>(height));
  header += '\x04';                // bits per pixel
  header += '\x03';                // palette colours
  header += std::string(3, '\0');  // deflate, adaptive filters, not interlaced
  std::string palette;
  std::string alpha;
  for (std::size_t index = 0; index < kStandardPalette.size(); ++index) {
    palette += static_cast<char>(kStandardPalette[index].red);
    palette += static_cast<char>(kStandardPalette[index].green);
    palette += static_cast<char>(kStandardPalette[index].blue);
    alpha += static_cast<char>(index == kOlive ? 0 : 255);
  }
  // Each row: filter type 0 (none), then two pixels a byte, the left one in the high half.
  std::string rows;
  for (int y = 0; y < height; ++y) {
    std::string row(1 + static_cast<std::size_t>(width + 1) / 2, '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint8_t index = map.at(x / scale, y / scale);
      const std::size_t at = 1 + static_cast<std::size_t>(x / 2);
      row[at] =
          static_cast<char>(static_cast<std::uint8_t>(row[at]) | (x % 2 == 0 ? index << 4 : index));
    }
    rows += row;
  }

  std::string out = "\x89PNG\r\n\x1a\n";
  putChunk(out, "IHDR", header);
  putChunk(out, "PLTE", palette);
  putChunk(out, "tRNS", alpha);
  putChunk(out, "IDAT", zlibStored(rows));
  putChunk(out, "IEND", "");
  return out;
}

}  // namespace quirevo::resources
