#pragma once

namespace quirevo::testing {

// A hung application: the calling thread blocks for good, without using the processor, and
// with it every call waiting on it.
[[noreturn]] void hangForever();

// A crashed application: the process ends at once, with no clean-up and no further reply.
[[noreturn]] void dieAtOnce();

}  // namespace quirevo::testing
