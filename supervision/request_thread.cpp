#include "supervision/request_thread.h"

#include <utility>

namespace quirevo::supervision {

RequestThread::RequestThread(BusyWait& wait, ThreadHost host)
    : wait_(wait), thread_([this, host = std::move(host)] {
        if (!host) {
          serve();
          return;
        }
        try {
          host([this] { serve(); });
        } catch (...) {
          // Entering the host failed before serving (or it failed once serving had ended): the
          // jobs still handed over fail with its reason instead of waiting for ever.
          hostFailure_ = std::current_exception();
          serve();
        }
      }) {}

RequestThread::~RequestThread() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  posted_.notify_one();
  thread_.join();
}

void RequestThread::run(const std::function<void()>& job, const BusyWork& work) {
  WorkDone done;
  std::exception_ptr failure;
  hand({[&job] { job(); }, &failure, &done});
  wait_.wait(done, work);
  if (failure) {
    std::rethrow_exception(failure);
  }
}

void RequestThread::post(std::function<void()> job) {
  hand({std::move(job)});
}

void RequestThread::hand(Task task) {
  {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  posted_.notify_one();
}

void RequestThread::serve() {
  for (;;) {
    Task task;
    {
      std::unique_lock lock(mutex_);
      posted_.wait(lock, [this] { return !tasks_.empty() || ending_; });
      if (tasks_.empty()) {
        return;
      }
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    try {
      if (hostFailure_) {
        std::rethrow_exception(hostFailure_);
      }
      task.job();
    } catch (...) {
      if (task.failure != nullptr) {
        *task.failure = std::current_exception();
      }
    }
    task.job = nullptr;  // what the job holds goes here, on this thread
    if (task.done != nullptr) {
      task.done->set();  // the waiting thread may return at once: nothing of the task is used after
    }
  }
}

}  // namespace quirevo::supervision
