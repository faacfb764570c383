#include "tests/libreoffice/office_processes.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>

namespace quirevo::testing {

void killAndWaitForTheEnd(pid_t office) {
  kill(office, SIGKILL);
  // Looked at without reaping it, which is the component's to do; a process whose main thread has
  // ended shows as a zombie before its other threads have, and only then can it be reaped.
  siginfo_t info{};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (waitid(P_PID, static_cast<id_t>(office), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("the killed office did not end");
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::vector<pid_t> officeChildren() {
  return officesOf(getpid());
}

std::vector<pid_t> officesOf(pid_t parent) {
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
    long startedBy = 0;
    if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &startedBy) == 2 &&
        command == "soffice.bin" && startedBy == parent) {
      children.push_back(static_cast<pid_t>(std::stol(name)));
    }
  }
  return children;
}

std::filesystem::path pipeFileOf(pid_t office) {
  std::ifstream file("/proc/" + std::to_string(office) + "/cmdline");
  const std::string commandLine((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  const std::string accept = "--accept=pipe,name=";
  const auto start = commandLine.find(accept);
  if (start == std::string::npos) {
    return {};
  }
  const auto name = start + accept.size();
  return "/tmp/OSL_PIPE_" + std::to_string(getuid()) + "_" +
         commandLine.substr(name, commandLine.find(';', name) - name);
}

std::vector<pid_t> officesUsing(const std::filesystem::path& folder) {
  std::vector<pid_t> offices;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) {
      continue;
    }
    std::ifstream file(entry.path() / "cmdline");
    const std::string commandLine((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    if (commandLine.find("soffice.bin") != std::string::npos &&
        commandLine.find(folder.string()) != std::string::npos) {
      offices.push_back(static_cast<pid_t>(std::stol(name)));
    }
  }
  return offices;
}

}  // namespace quirevo::testing
