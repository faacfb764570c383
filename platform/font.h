#pragma once

#include <string_view>

namespace quirevo {

// Every font of the window shares one face, character set and colour; they differ only in
// character height (pixels) and weight.
struct Font {
  static constexpr std::string_view kFace = "MS Sans Serif";
  int pixelHeight = 11;
  bool bold = false;
  bool operator==(const Font&) const = default;
};

inline constexpr Font kWindowFont{11, false};
inline constexpr Font kBold13{13, true};
inline constexpr Font kBold16{16, true};

}  // namespace quirevo
