#include "tests/libreoffice/office_processes.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quirevo::testing {

std::vector<pid_t> officeChildren() {
  std::vector<pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) {
      continue;
    }
    // /proc/<pid>/stat: "pid (comm) state ppid ..."
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) {
      continue;
    }
    const auto open = line.find('(');
    const auto close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos) {
      continue;
    }
    const std::string command = line.substr(open + 1, close - open - 1);
    char state = 0;
    long parent = 0;
    if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &parent) == 2 &&
        command == "soffice.bin" && parent == getpid()) {
      children.push_back(static_cast<pid_t>(std::stol(name)));
    }
  }
  return children;
}

}  // namespace quirevo::testing
