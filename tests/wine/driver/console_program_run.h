#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/windows/unique_handle.h"

namespace quirevo::testing {

// One run of quirevo.com as a prompt or a script runs it: its standard output and error
// redirected to files, which are read once it has ended. A run still going when the object ends
// is ended by force.
class ConsoleProgramRun {
 public:
  // The output goes to OUTPUT.out and OUTPUT.err. creationFlags: CREATE_NO_WINDOW for a console
  // of its own that nobody sees, 0 to share the driver's console (and its Ctrl+C).
  ConsoleProgramRun(const std::wstring& program, const std::vector<std::wstring>& arguments,
                    const std::wstring& folder, const std::wstring& output, DWORD creationFlags);
  ConsoleProgramRun(const ConsoleProgramRun&) = delete;
  ConsoleProgramRun& operator=(const ConsoleProgramRun&) = delete;
  ~ConsoleProgramRun();

  // The exit code, or nothing when the program is still running after the time.
  std::optional<DWORD> waitForExit(DWORD timeoutMs = 60000) const;
  // What the program wrote, byte for byte.
  std::string output() const;
  std::string errors() const;

 private:
  std::wstring output_;
  UniqueHandle process_;
};

// A file's bytes; empty when there is no such file.
std::string fileBytes(const std::wstring& path);

}  // namespace quirevo::testing
