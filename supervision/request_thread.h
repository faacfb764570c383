#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/busy_wait.h"

namespace quirevo::supervision {

// Most requests are answered within this. Both sides of a hand-over first watch for the other for
// that long before they block: blocking and waking a thread costs far more than that where
// synchronisation goes through the system (Wine's server, a loaded machine), and a listing is
// hundreds of requests in a row.
inline constexpr std::chrono::microseconds kHandOverWatch{200};

// Runs the request thread's loop inside what the thread must hold for as long as it serves: COM's
// apartment on Windows, a signal mask on Linux. It calls serve once and returns when it returns.
using ThreadHost = std::function<void(const std::function<void()>& serve)>;

// The one thread that carries out the requests to the spreadsheet application. The window's
// thread hands each request over and waits for it through the desktop's BusyWait, so that the
// window keeps repainting and a hung application can be stopped from it; the caller still sees
// one synchronous call. Jobs run in the order they were handed over.
class RequestThread {
 public:
  explicit RequestThread(BusyWait& wait, ThreadHost host = {});
  // Ends the thread once every job handed over has run.
  ~RequestThread();
  RequestThread(const RequestThread&) = delete;
  RequestThread& operator=(const RequestThread&) = delete;

  // Runs job on the thread and returns when it has finished, rethrowing what it threw.
  void run(const std::function<void()>& job, const BusyWork& work);
  // Hands job over without waiting for it: work that must happen on the thread but that nobody
  // waits for (releasing an object of the application). Its failure is dropped.
  void post(std::function<void()> job);

 private:
  struct Task {
    std::function<void()> job;
    std::exception_ptr* failure = nullptr;  // nothing for a posted job
    WorkDone* done = nullptr;
  };

  void serve();
  void hand(Task task);

  BusyWait& wait_;
  std::mutex mutex_;
  std::condition_variable posted_;
  std::deque<Task> tasks_;
  std::atomic<std::size_t> queued_ = 0;  // tasks_.size(), read without the lock
  bool sleeping_ = false;                // the thread is blocked waiting for a task
  bool ending_ = false;
  // Why the host could not be entered; every job then fails with it.
  std::exception_ptr hostFailure_;
  std::thread thread_;
};

}  // namespace quirevo::supervision
