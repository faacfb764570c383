#pragma once

#include <windows.h>

#include "platform/win32/unique_gdi.h"
#include "ui/button.h"

namespace quirevo {

// A button glyph from the resources: two 16 x 16 pictures side by side, the enabled one left and
// the disabled one right. The colour of the bottom-left pixel is transparent.
class GlyphBitmap {
 public:
  static constexpr int kSize = 16;

  GlyphBitmap(HINSTANCE instance, Glyph glyph);
  // Draws one picture at (left, top), scaled to size x size pixels.
  void draw(HDC dc, int left, int top, int size, bool enabled) const;

 private:
  UniqueBitmap bitmap_;
  COLORREF transparent_ = RGB(128, 128, 0);
};

}  // namespace quirevo
