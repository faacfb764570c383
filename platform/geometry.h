#pragma once

namespace quirevo {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// Left and top relative to the parent's client area, in 96-dpi pixels.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  bool operator==(const Bounds&) const = default;
};

}  // namespace quirevo
