#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <utility>

namespace quirevo {

// How long work may take before the user is shown what it is doing and offered to stop it.
inline constexpr std::chrono::milliseconds kBusyDelay{1000};

// Set once by the thread that did a piece of work; wakes the thread waiting for it.
class WorkDone {
 public:
  WorkDone() = default;
  WorkDone(const WorkDone&) = delete;
  WorkDone& operator=(const WorkDone&) = delete;

  // From the working thread, as its last use of this object.
  void set() {
    const std::lock_guard lock(mutex_);
    set_ = true;
    if (wake_) {
      wake_();
    }
    // Waking costs a call into the system even when nobody sleeps, as on Wine.
    if (sleepers_ > 0) {
      changed_.notify_all();
    }
  }
  // Without the lock, so that a thread watching for the work never holds up the one finishing it.
  bool isSet() const { return set_.load(std::memory_order_acquire); }
  // Blocks until set or until the limit has passed; whether it is set.
  bool waitFor(std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    ++sleepers_;
    const bool done = changed_.wait_for(lock, limit, [this] { return set_.load(); });
    --sleepers_;
    return done;
  }
  // wake runs on the working thread when it sets this, or here at once when it has already; an
  // empty function removes it. A waiter removes its own before it goes.
  void onSet(std::function<void()> wake) const {
    const std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
    if (set_ && wake_) {
      wake_();
    }
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::atomic<bool> set_ = false;
  mutable int sleepers_ = 0;  // threads in waitFor
  mutable std::function<void()> wake_;
};

// What long work is doing, in the user's words, and how to end it.
struct BusyWork {
  // A sentence for the busy dialog, read on the waiting thread whenever it is shown or refreshed:
  // "Counting the pages of sheet "Data"…".
  std::function<std::string()> describe;
  // Ends the work at once (the work then finishes soon, failing); called on the waiting thread.
  std::function<void()> stop;
};

// The window's thread waiting for work done on another thread, repainting meanwhile: a desktop
// service. No input reaches the main window while it waits. When the work has not finished after
// kBusyDelay, a modal dialog captioned with the application title says what it is doing and
// offers "Stop"; Stop, Escape and the dialog's close box call stop once. The dialog goes when the
// work finishes, and the wait returns only then.
class BusyWait {
 public:
  virtual ~BusyWait() = default;
  virtual void wait(const WorkDone& done, const BusyWork& work) = 0;
};

}  // namespace quirevo
