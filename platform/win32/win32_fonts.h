#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "platform/font.h"
#include "platform/win32/unique_gdi.h"

namespace quirevo {

// The window's fonts, made once per height, weight and dpi and kept while the program runs.
class Win32Fonts {
 public:
  HFONT get(const Font& font, UINT dpi);

 private:
  std::map<std::tuple<int, bool, UINT>, UniqueFont> fonts_;
};

}  // namespace quirevo
