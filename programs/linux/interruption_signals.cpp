#include "programs/linux/interruption_signals.h"

#include <signal.h>

#include <atomic>
#include <iterator>

namespace quirevo {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A signal handler reaches nothing but a global: the one interruption the handlers serve.
std::atomic<Interruption*> handled{nullptr};
struct sigaction earlier[std::size(kSignals)];

void onSignal(int) {
  if (Interruption* interruption = handled.load()) {
    interruption->request();
  }
}

}  // namespace

InterruptionSignals::InterruptionSignals(Interruption& interruption) {
  handled = &interruption;
  struct sigaction action {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    sigaction(kSignals[i], &action, &earlier[i]);
  }
}

InterruptionSignals::~InterruptionSignals() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) {
    sigaction(kSignals[i], &earlier[i], nullptr);
  }
  handled = nullptr;
}

}  // namespace quirevo
