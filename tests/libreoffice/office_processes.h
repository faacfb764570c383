#pragma once

#include <sys/types.h>

#include <vector>

namespace quirevo::testing {

// The office processes (soffice.bin) that this test program started and that still exist, ended
// but not yet reaped ones included.
std::vector<pid_t> officeChildren();

}  // namespace quirevo::testing
