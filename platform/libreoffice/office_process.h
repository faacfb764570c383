#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/libreoffice/unique_fd.h"

namespace quirevo::office {

// How a process ended.
struct ProcessEnd {
  bool bySignal = false;
  int code = 0;  // the exit status, or the signal
  // "exit status 1", "signal 9"
  std::string describe() const;
};

// One office process, started by us and reaped by us. It is told to die with its parent, so a
// Quirevo that is killed leaves no office behind either.
class OfficeProcess {
 public:
  // Starts program with arguments (argv[0] is the program's full path, which the office needs to
  // find its installation); standard output and error go to logFile. environment holds
  // "NAME=value" entries that replace or add to the inherited ones.
  OfficeProcess(const std::string& program, const std::vector<std::string>& arguments,
                const std::filesystem::path& logFile, const std::vector<std::string>& environment);
  // Ends the process if it still runs.
  ~OfficeProcess();
  OfficeProcess(const OfficeProcess&) = delete;
  OfficeProcess& operator=(const OfficeProcess&) = delete;

  pid_t pid() const { return pid_; }
  // A descriptor of the process that signals reach it, and never another, even once it has ended.
  const UniqueFd& descriptor() const { return descriptor_; }
  // Nothing while it runs; how it ended once it has.
  std::optional<ProcessEnd> ended();
  // Waits up to limit for the process to end on its own; true when it has.
  bool waitForEnd(std::chrono::milliseconds limit);
  // Asks it to end (SIGTERM), and kills it when it has not ended after grace.
  void end(std::chrono::milliseconds grace);

 private:
  pid_t pid_ = -1;
  UniqueFd descriptor_;
  std::optional<ProcessEnd> end_;
};

}  // namespace quirevo::office
