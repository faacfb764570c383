#include "tests/libreoffice/quirevo_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace quirevo::testing {

namespace {

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

QuirevoProcess::QuirevoProcess(const std::vector<std::string>& arguments,
                               const std::filesystem::path& folder,
                               const std::filesystem::path& temporaryFolder)
    : folder_(folder) {
  const auto temporary = temporaryFolder.empty() ? folder_ / "tmp" : temporaryFolder;
  std::filesystem::create_directories(temporary);
  const std::string out = (folder_ / "out").string();
  const std::string err = (folder_ / "err").string();
  const std::string tmp = temporary.string();
  std::vector<std::string> words = {QUIREVO_PROGRAM};
  words.insert(words.end(), arguments.begin(), arguments.end());
  pid_ = fork();
  if (pid_ == 0) {
    // Only what is safe between fork and exec: the child is one thread of a threaded parent.
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    setenv("TMPDIR", tmp.c_str(), 1);
    std::vector<char*> argv;
    for (std::string& word : words) {
      argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  if (pid_ < 0) {
    ADD_FAILURE() << "the program cannot be started";
  }
}

QuirevoProcess::~QuirevoProcess() {
  if (pid_ > 0 && !ended_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

std::string QuirevoProcess::out() const {
  return contents(folder_ / "out");
}

bool QuirevoProcess::running() const {
  siginfo_t info{};
  return waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == 0;
}

void QuirevoProcess::signal(int number) const {
  kill(pid_, number);
}

Ended QuirevoProcess::finish(std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "the program did not end in time";
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ended_ = true;
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
          contents(folder_ / "out"), contents(folder_ / "err")};
}

Ended runQuirevo(const std::vector<std::string>& arguments, const std::filesystem::path& folder) {
  QuirevoProcess run(arguments, folder);
  return run.finish();
}

}  // namespace quirevo::testing
