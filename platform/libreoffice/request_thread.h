#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/busy_wait.h"

namespace quirevo::office {

// The one thread that carries out the requests to the office. The window's thread hands each
// request over and waits for it through the desktop's BusyWait, so that the window keeps
// repainting and a hung office can be stopped from it; the caller still sees one synchronous call.
class RequestThread {
 public:
  explicit RequestThread(BusyWait& wait);
  // Ends the thread once it is idle.
  ~RequestThread();
  RequestThread(const RequestThread&) = delete;
  RequestThread& operator=(const RequestThread&) = delete;

  // Runs job on the thread and returns when it has finished, rethrowing what it threw.
  void run(const std::function<void()>& job, const BusyWork& work);

 private:
  struct Task {
    const std::function<void()>* job;
    std::exception_ptr* failure;
    WorkDone* done;
  };

  void serve();

  BusyWait& wait_;
  std::mutex mutex_;
  std::condition_variable posted_;
  Task* task_ = nullptr;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace quirevo::office
