#pragma once

#include "platform/win32/glyph_bitmap.h"
#include "platform/win32/win32_peer.h"
#include "ui/button.h"

namespace quirevo {

// A push button drawn by the program: its enabled or disabled glyph left of the caption.
class BitBtnPeer final : public Win32Peer {
 public:
  BitBtnPeer(BitBtn& button, FormWindow& window);
  void command(WORD code) override;
  void drawItem(const DRAWITEMSTRUCT& item) override;

 protected:
  void kindPropertyChanged(Property property) override;
  std::wstring nativeText() const override { return literalCaption(control().text()); }

 private:
  BitBtn& button_;
  GlyphBitmap glyph_;
};

}  // namespace quirevo
