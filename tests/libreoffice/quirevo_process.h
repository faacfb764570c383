#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace quirevo::testing {

// How a run of the program ended and what it wrote.
struct Ended {
  int status = -1;  // the exit status, or 128 + the signal that ended it
  std::string out;
  std::string err;
};

// One run of the quirevo program as a shell starts it, with standard output and standard error
// kept in its folder, and TMPDIR the folder's "tmp" (or the one given) so that whatever the run
// leaves there can be seen. A run still going when the object ends is killed.
class QuirevoProcess {
 public:
  QuirevoProcess(const std::vector<std::string>& arguments, const std::filesystem::path& folder,
                 const std::filesystem::path& temporaryFolder = {});
  ~QuirevoProcess();
  QuirevoProcess(const QuirevoProcess&) = delete;
  QuirevoProcess& operator=(const QuirevoProcess&) = delete;

  pid_t id() const { return pid_; }
  // Whether it has not ended yet (it is not reaped here).
  bool running() const;
  // What it has written to standard output so far.
  std::string out() const;
  void signal(int number) const;
  // Waits for the end; a run that outlives the limit is killed and fails the test.
  Ended finish(std::chrono::seconds limit = std::chrono::seconds(300));

 private:
  std::filesystem::path folder_;
  pid_t pid_ = -1;
  bool ended_ = false;
};

// Runs the program to its end.
Ended runQuirevo(const std::vector<std::string>& arguments, const std::filesystem::path& folder);

}  // namespace quirevo::testing
