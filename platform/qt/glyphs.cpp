#include "platform/qt/glyphs.h"

#include <QImage>

#include <stdexcept>

namespace quirevo {

namespace {
constexpr int kGlyphSize = 16;

QImage loadImage(const char* path) {
  QImage image(path);
  if (image.isNull()) {
    throw std::runtime_error(std::string("cannot load the image resource ") + path);
  }
  return image;
}

const char* glyphPath(Glyph glyph) {
  switch (glyph) {
    case Glyph::Printer:
      return ":/quirevo/printer.bmp";
    case Glyph::Door:
      return ":/quirevo/door.bmp";
  }
  return "";
}
}  // namespace

QPixmap glyphPixmap(Glyph glyph, bool enabled) {
  QImage bitmap = loadImage(glyphPath(glyph)).convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = bitmap.pixel(0, bitmap.height() - 1);
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      if (bitmap.pixel(x, y) == transparent) {
        bitmap.setPixel(x, y, qRgba(0, 0, 0, 0));
      }
    }
  }
  return QPixmap::fromImage(bitmap.copy(enabled ? 0 : kGlyphSize, 0, kGlyphSize, kGlyphSize));
}

QIcon glyphIcon(Glyph glyph) {
  QIcon icon;
  icon.addPixmap(glyphPixmap(glyph, true), QIcon::Normal);
  // Without its own disabled picture Qt would grey out the enabled one.
  icon.addPixmap(glyphPixmap(glyph, false), QIcon::Disabled);
  return icon;
}

QIcon programIcon() {
  return QIcon(QPixmap::fromImage(loadImage(":/quirevo/quirevo.ico")));
}

}  // namespace quirevo
