#pragma once

#include "commands/interruption.h"

namespace quirevo {

// SIGINT (Ctrl+C), SIGTERM and SIGHUP (the terminal closed) request the interruption for as long
// as this lives; the signals' earlier handling comes back when it ends. One at a time.
class InterruptionSignals {
 public:
  explicit InterruptionSignals(Interruption& interruption);
  ~InterruptionSignals();
  InterruptionSignals(const InterruptionSignals&) = delete;
  InterruptionSignals& operator=(const InterruptionSignals&) = delete;
};

}  // namespace quirevo
