#include "tests/i18n/temporary_working_directory.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quirevo::testing {

TemporaryWorkingDirectory::TemporaryWorkingDirectory()
    : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "quirevo-i18n-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary directory");
  }
  path_ = pattern;
  std::filesystem::current_path(path_);
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void TemporaryWorkingDirectory::write(const std::string& fileName, std::string_view bytes) const {
  std::ofstream file(path_ / fileName, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + fileName);
  }
}

std::string TemporaryWorkingDirectory::read(const std::string& fileName) const {
  std::ifstream file(path_ / fileName, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace quirevo::testing
