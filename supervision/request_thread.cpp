#include "supervision/request_thread.h"

#include <utility>

namespace quirevo::supervision {

namespace {

// Whether the condition came true while it was watched for kHandOverWatch.
template <class Condition>
bool watchFor(Condition condition) {
  const auto until = std::chrono::steady_clock::now() + kHandOverWatch;
  do {
    if (condition()) {
      return true;
    }
  } while (std::chrono::steady_clock::now() < until);
  return false;
}

}  // namespace

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
  watchFor([&done] { return done.isSet(); });
  wait_.wait(done, work);
  if (failure) {
    std::rethrow_exception(failure);
  }
}

void RequestThread::post(std::function<void()> job) {
  hand({std::move(job)});
}

void RequestThread::hand(Task task) {
  bool wake = false;
  {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
    ++queued_;
    wake = sleeping_;
  }
  // A thread still watching for the task takes it without being woken.
  if (wake) {
    posted_.notify_one();
  }
}

void RequestThread::serve() {
  for (;;) {
    Task task;
    watchFor([this] { return queued_ > 0; });
    {
      std::unique_lock lock(mutex_);
      sleeping_ = true;
      posted_.wait(lock, [this] { return !tasks_.empty() || ending_; });
      sleeping_ = false;
      if (tasks_.empty()) {
        return;
      }
      task = std::move(tasks_.front());
      tasks_.pop_front();
      --queued_;
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
