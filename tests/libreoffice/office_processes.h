#pragma once

#include <sys/types.h>

#include <filesystem>
#include <vector>

namespace quirevo::testing {

// The office processes (soffice.bin) that this test program started and that still exist, ended
// but not yet reaped ones included.
std::vector<pid_t> officeChildren();
// The same for the offices another process started.
std::vector<pid_t> officesOf(pid_t parent);
// The file of the office's pipe, as its command line names the pipe ("--accept=pipe,name=N;...");
// empty when there is no such process.
std::filesystem::path pipeFileOf(pid_t office);

// The office processes, whoever started them, whose command line names something in the folder
// (their private profile there).
std::vector<pid_t> officesUsing(const std::filesystem::path& folder);

// Kills the office and returns once it has ended (a zombie its parent has not yet reaped), as an
// office that died between two requests has: the next request finds it gone.
void killAndWaitForTheEnd(pid_t office);

}  // namespace quirevo::testing
