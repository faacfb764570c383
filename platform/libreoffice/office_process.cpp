#include "platform/libreoffice/office_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "automation/automation_error.h"

extern char** environ;

namespace quirevo::office {

namespace {

constexpr std::chrono::milliseconds kPollInterval{20};

std::string nameOf(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string inherited(*entry);
    bool replaced = false;
    for (const std::string& override : overrides) {
      replaced = replaced || nameOf(override) == nameOf(inherited);
    }
    if (!replaced) {
      merged.push_back(inherited);
    }
  }
  merged.insert(merged.end(), overrides.begin(), overrides.end());
  return merged;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

std::string ProcessEnd::describe() const {
  return (bySignal ? "signal " : "exit status ") + std::to_string(code);
}

OfficeProcess::OfficeProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const std::filesystem::path& logFile,
                             const std::vector<std::string>& environment) {
  // Everything the child needs is prepared here: after fork only async-signal-safe calls.
  std::vector<std::string> argumentTexts{program};
  argumentTexts.insert(argumentTexts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environmentTexts = mergedEnvironment(environment);
  std::vector<char*> argv = pointersTo(argumentTexts);
  std::vector<char*> envp = pointersTo(environmentTexts);
  const std::string logPath = logFile.string();
  const pid_t parent = getpid();

  pid_ = fork();
  if (pid_ < 0) {
    throw AutomationError(std::string("LibreOffice could not be started: ") + std::strerror(errno));
  }
  if (pid_ == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) {
      _exit(127);
    }
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0) {
      _exit(127);
    }
    // Our own descriptors (other offices' pipes, the display connection) stay ours.
    close_range(3, ~0U, 0);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  // Only we reap the child, so its id cannot have been reused yet. (The call itself, as glibc 2.36
  // declares its wrapper without C linkage.)
  descriptor_ = UniqueFd(static_cast<int>(syscall(SYS_pidfd_open, pid_, 0)));
}

OfficeProcess::~OfficeProcess() {
  end(std::chrono::milliseconds(3000));
}

std::optional<ProcessEnd> OfficeProcess::ended() {
  if (!end_) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      end_ = WIFSIGNALED(status) ? ProcessEnd{true, WTERMSIG(status)}
                                 : ProcessEnd{false, WEXITSTATUS(status)};
    }
  }
  return end_;
}

bool OfficeProcess::waitForEnd(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!ended()) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

void OfficeProcess::end(std::chrono::milliseconds grace) {
  if (ended()) {
    return;
  }
  kill(pid_, SIGTERM);
  if (!waitForEnd(grace)) {
    kill(pid_, SIGKILL);
    waitForEnd(std::chrono::milliseconds(10000));
  }
}

}  // namespace quirevo::office
