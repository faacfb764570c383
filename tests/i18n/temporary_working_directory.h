#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quirevo::testing {

// A fresh directory made the process's working directory for the lifetime of the object, since
// language files are named without a folder. The previous directory is restored and the
// temporary one removed at the end.
class TemporaryWorkingDirectory {
 public:
  TemporaryWorkingDirectory();
  TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
  TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;
  ~TemporaryWorkingDirectory();

  const std::filesystem::path& path() const { return path_; }
  // Writes the bytes as they are: no newline conversion, no encoding.
  void write(const std::string& fileName, std::string_view bytes) const;
  std::string read(const std::string& fileName) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace quirevo::testing
