#include "platform/libreoffice/leftovers.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace quirevo::office {

namespace {

// The start time of a process, in clock ticks since boot (the 22nd field of /proc/<pid>/stat),
// or empty when there is no such process.
std::string startTimeOf(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string line;
  if (!std::getline(stat, line)) {
    return {};
  }
  // The command may hold blanks and parentheses: the fields are counted after its last ')'.
  std::istringstream fields(line.substr(line.rfind(')') + 1));
  std::string field;
  for (int number = 3; number <= 22 && fields >> field; ++number) {
  }
  return field;
}

bool runStillGoes(const std::string& mark) {
  std::istringstream fields(mark);
  std::string pid;
  std::string started;
  return fields >> pid >> started && startTimeOf(pid) == started;
}

}  // namespace

std::string thisRun() {
  const std::string pid = std::to_string(getpid());
  return pid + " " + startTimeOf(pid);
}

void removeOfficePipe(const std::string& pipeName) {
  const std::string name = "OSL_PIPE_" + std::to_string(getuid()) + "_" + pipeName;
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path("/tmp") / name, ignored);
  std::filesystem::remove(std::filesystem::path("/var/tmp") / name, ignored);
}

void removeLeftoversOfEarlierRuns(const std::filesystem::path& temporaryFolder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(temporaryFolder, error)) {
    const std::string name = entry.path().filename().string();
    struct stat status {};
    if (!name.starts_with(kPrivateFolderPrefix) || lstat(entry.path().c_str(), &status) != 0 ||
        !S_ISDIR(status.st_mode) || status.st_uid != getuid()) {
      continue;
    }
    std::ifstream owner(entry.path() / kOwnerMark);
    std::string mark;
    if (!std::getline(owner, mark) || runStillGoes(mark)) {
      continue;
    }
    std::error_code ignored;
    std::filesystem::remove_all(entry.path(), ignored);
    removeOfficePipe(name);
  }
}

}  // namespace quirevo::office
