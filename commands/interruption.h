#pragma once

#include <atomic>

#include "platform/busy_wait.h"

namespace quirevo {

// The user's Ctrl+C (SIGINT, SIGTERM; Ctrl+Break or closing the console on Windows), as a command
// line run sees it. A request under way is stopped at once, except a print: a page that is being
// printed is let finish, so that what was printed is exactly what was reported; a second
// interruption stops that too.
class Interruption {
 public:
  // From a signal handler or the console's control thread: lock-free, nothing else.
  void request() noexcept { requests_.fetch_add(1, std::memory_order_relaxed); }

  bool requested() const noexcept { return requests_.load(std::memory_order_relaxed) > 0; }
  // Whether the work under way is to be stopped now.
  bool stopsWork() const noexcept {
    return requests_.load(std::memory_order_relaxed) > (printing_.load() ? 1 : 0);
  }

  // Held while the requests of a print run.
  class Printing {
   public:
    explicit Printing(Interruption& interruption) : interruption_(interruption) {
      interruption_.printing_ = true;
    }
    ~Printing() { interruption_.printing_ = false; }
    Printing(const Printing&) = delete;
    Printing& operator=(const Printing&) = delete;

   private:
    Interruption& interruption_;
  };

 private:
  static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch these");
  std::atomic<int> requests_ = 0;
  std::atomic<bool> printing_ = false;
};

// A command line run's wait for the spreadsheet application: no dialog, the interruption is its
// Stop.
class InterruptibleWait final : public BusyWait {
 public:
  explicit InterruptibleWait(const Interruption& interruption) : interruption_(interruption) {}
  void wait(const WorkDone& done, const BusyWork& work) override;

 private:
  const Interruption& interruption_;
};

}  // namespace quirevo
