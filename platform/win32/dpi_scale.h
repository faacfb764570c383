#pragma once

#include <windows.h>

#include "platform/geometry.h"

namespace quirevo {

inline constexpr UINT kDesignDpi = 96;

// The layout is in 96-dpi pixels; the window scales it to the dpi of its monitor.
struct DpiScale {
  UINT dpi = kDesignDpi;
  int operator()(int designPixels) const {
    return MulDiv(designPixels, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
  }
  // Back to design pixels, rounding up so that a measured text always fits.
  int toDesign(int pixels) const {
    const int d = static_cast<int>(dpi);
    return (pixels * static_cast<int>(kDesignDpi) + d - 1) / d;
  }
  RECT rect(const Bounds& bounds) const {
    const int left = (*this)(bounds.left);
    const int top = (*this)(bounds.top);
    return {left, top, left + (*this)(bounds.width), top + (*this)(bounds.height)};
  }
};

}  // namespace quirevo
