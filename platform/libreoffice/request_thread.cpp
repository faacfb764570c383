#include "platform/libreoffice/request_thread.h"

#include <signal.h>

namespace quirevo::office {

RequestThread::RequestThread(BusyWait& wait) : wait_(wait), thread_([this] { serve(); }) {}

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
  Task task{&job, &failure, &done};
  {
    const std::lock_guard lock(mutex_);
    task_ = &task;
  }
  posted_.notify_one();
  wait_.wait(done, work);
  if (failure) {
    std::rethrow_exception(failure);
  }
}

void RequestThread::serve() {
  // The office's pipe is written from here and from the bridge threads started here: once the
  // office is gone such a write must fail, not raise SIGPIPE and end Quirevo. Blocked for the
  // thread's whole life: unblocking would deliver a SIGPIPE left pending by such a write.
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
  for (;;) {
    Task* task = nullptr;
    {
      std::unique_lock lock(mutex_);
      posted_.wait(lock, [this] { return task_ != nullptr || ending_; });
      if (task_ == nullptr) {
        return;
      }
      task = std::exchange(task_, nullptr);
    }
    try {
      (*task->job)();
    } catch (...) {
      *task->failure = std::current_exception();
    }
    task->done->set();  // the waiting thread may return at once: nothing of the task is used after
  }
}

}  // namespace quirevo::office
