#include "platform/qt/qt_fonts.h"

#include "platform/qt/qt_text.h"

namespace quirevo {

QFont toQFont(const Font& font) {
  QFont qtFont(toQString(Font::kFace));
  qtFont.setStyleHint(QFont::SansSerif);
  qtFont.setPixelSize(font.pixelHeight);
  qtFont.setBold(font.bold);
  return qtFont;
}

}  // namespace quirevo
