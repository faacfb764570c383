#include "platform/libreoffice/held_workbook.h"

#include <filesystem>

namespace quirevo::office {

std::string HeldWorkbook::title() const {
  if (!file) {
    return "the new workbook";
  }
  return "\"" + std::filesystem::path(*file).filename().string() + "\"";
}

}  // namespace quirevo::office
