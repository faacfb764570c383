#include "platform/libreoffice/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "automation/automation_error.h"
#include "platform/libreoffice/leftovers.h"

namespace quirevo::office {

PrivateFolder::PrivateFolder() {
  std::error_code error;
  std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) {
    base = "/tmp";
  }
  removeLeftoversOfEarlierRuns(base);
  std::string pattern = (base / (std::string(kPrivateFolderPrefix) + "XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw AutomationError("LibreOffice could not be started: no temporary folder in " +
                          base.string() + " (" + std::strerror(errno) + ")");
  }
  path_ = pattern;
  std::ofstream(path_ / kOwnerMark) << thisRun() << '\n';
}

PrivateFolder::~PrivateFolder() {
  std::error_code ignored;  // a folder that cannot be removed is left to the system's cleaning
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace quirevo::office
