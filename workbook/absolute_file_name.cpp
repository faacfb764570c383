#include "workbook/absolute_file_name.h"

#include <filesystem>
#include <stdexcept>

namespace quirevo {

std::string absoluteFileName(const std::string& name) {
  // Through char8_t: a narrow path would be read in the ANSI code page on Windows.
  const std::filesystem::path given(std::u8string(name.begin(), name.end()));
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(given, error);
  if (error) {
    throw std::runtime_error("The full path of " + name + " cannot be found: " + error.message());
  }
  const std::u8string text = absolute.lexically_normal().u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace quirevo
