#pragma once

#include <functional>

namespace quirevo::office {

// The request thread's host on Linux: it serves with SIGPIPE blocked for the thread's whole life.
// The office's pipe is written from it and from the bridge threads it starts: once the office is
// gone such a write must fail, not raise SIGPIPE and end Quirevo.
void serveWithoutSigpipe(const std::function<void()>& serve);

}  // namespace quirevo::office
