#pragma once

#include <ostream>

namespace quirevo {

// Where a command line run writes: results on standard output, which scripts read; messages on
// standard error, with progress only when that is a terminal.
struct Console {
  std::ostream& out;
  std::ostream& err;
  bool progress = false;
};

// The exit statuses of a command line run.
namespace exit_status {
inline constexpr int kDone = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kInterrupted = 130;  // as a shell reports a run ended by SIGINT
}  // namespace exit_status

}  // namespace quirevo
