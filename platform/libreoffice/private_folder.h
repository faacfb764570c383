#pragma once

#include <filesystem>

namespace quirevo::office {

// A folder of our own under the temporary directory (the office's profile, its log, the UNO
// bootstrap file), removed with everything in it when the owner goes. It bears this run's owner
// mark; making one first removes what killed earlier runs left.
class PrivateFolder {
 public:
  PrivateFolder();
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace quirevo::office
