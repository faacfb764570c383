#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "platform/busy_wait.h"

namespace quirevo::testing {

// Waits plainly and notes what each wait was told.
class RecordingWait : public BusyWait {
 public:
  void wait(const WorkDone& done, const BusyWork& work) override {
    sentences.push_back(work.describe());
    while (!done.waitFor(std::chrono::seconds(60))) {
    }
  }
  std::vector<std::string> sentences;
};

// Work that says what it does and cannot be stopped.
inline const BusyWork kCountingWork{
    [] { return std::string("Counting the pages of sheet \"Data\"\u2026"); }, [] {}};

}  // namespace quirevo::testing
