#include "platform/libreoffice/office_thread.h"

#include <signal.h>

namespace quirevo::office {

// Never unblocked: that would deliver a SIGPIPE left pending by such a write.
void serveWithoutSigpipe(const std::function<void()>& serve) {
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
  serve();
}

}  // namespace quirevo::office
