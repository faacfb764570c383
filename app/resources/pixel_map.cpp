#include "app/resources/pixel_map.h"

#include <stdexcept>
#include <string>

namespace quirevo::resources {

PixelMap parsePixelMap(std::string_view text) {
  PixelMap map;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
      continue;
    }
    if (map.height > 0 && static_cast<int>(line.size()) != map.width) {
      throw std::invalid_argument("pixel map line " + std::to_string(lineNumber) + " has " +
                                  std::to_string(line.size()) + " pixels instead of " +
                                  std::to_string(map.width));
    }
    map.width = static_cast<int>(line.size());
    for (char letter : line) {
      const std::size_t index = kPaletteLetters.find(letter);
      if (index == std::string_view::npos) {
        throw std::invalid_argument("pixel map line " + std::to_string(lineNumber) +
                                    ": no palette colour for '" + std::string(1, letter) + "'");
      }
      map.pixels.push_back(static_cast<std::uint8_t>(index));
    }
    ++map.height;
  }
  return map;
}

}  // namespace quirevo::resources
