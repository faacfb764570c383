#include "platform/win32/win32_fonts.h"

#include <stdexcept>

#include "platform/win32/dpi_scale.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

HFONT Win32Fonts::get(const Font& font, UINT dpi) {
  const auto key = std::make_tuple(font.pixelHeight, font.bold, dpi);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    LOGFONTW description{};
    // A negative height is the character height without the internal leading.
    description.lfHeight = -DpiScale{dpi}(font.pixelHeight);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = toWide(Font::kFace);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    UniqueFont made(CreateFontIndirectW(&description));
    if (!made) {
      throw std::runtime_error("The font \"MS Sans Serif\" could not be created");
    }
    found = fonts_.emplace(key, std::move(made)).first;
  }
  return found->second.get();
}

}  // namespace quirevo
