#include "platform/win32/glyph_bitmap.h"

#include <stdexcept>

#include "platform/win32/resource_ids.h"

namespace quirevo {

GlyphBitmap::GlyphBitmap(HINSTANCE instance, Glyph glyph) {
  const int id = glyph == Glyph::Printer ? IDB_PRINTER_GLYPH : IDB_DOOR_GLYPH;
  bitmap_.reset(static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap_) {
    throw std::runtime_error("A button glyph could not be loaded");
  }
  const ScreenDc screen;
  const MemoryDc source(screen.get(), bitmap_.get());
  transparent_ = GetPixel(source.get(), 0, kSize - 1);
}

void GlyphBitmap::draw(HDC dc, int left, int top, int size, bool enabled) const {
  const MemoryDc source(dc, bitmap_.get());
  TransparentBlt(dc, left, top, size, size, source.get(), enabled ? 0 : kSize, 0, kSize, kSize,
                 transparent_);
}

}  // namespace quirevo
