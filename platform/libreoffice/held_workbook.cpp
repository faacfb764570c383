#include "platform/libreoffice/held_workbook.h"

#include <filesystem>

namespace quirevo::office {

std::string HeldWorkbook::title() const {
  if (!file) {
    return "the new workbook";
  }
  // Appended piece by piece: GCC 12 at -O3 mistakes `"\"" + name + "\""` for an overlapping
  // copy (its bug 105329).
  std::string title = "\"";
  title += std::filesystem::path(*file).filename().string();
  title += '"';
  return title;
}

}  // namespace quirevo::office
