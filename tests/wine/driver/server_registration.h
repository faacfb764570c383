#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quirevo::testing {

// The test server registered as "Excel.Application" for as long as the object lives: an .exe as
// a local server (LocalServer32, one process per creation, as Excel), a .dll in process
// (InprocServer32, apartment-threaded). Whatever was registered for the class before goes first,
// so a registration left by an ended run cannot serve in this one's place. It is registered for
// the current user, as a user without administrator rights can; under Wine, which reads no
// per-user classes (tests/win/wine_limits.h), for the machine as well.
class ServerRegistration {
 public:
  // Throws std::invalid_argument for a file that is neither, std::runtime_error when the
  // registry refuses the keys.
  explicit ServerRegistration(const std::wstring& server);
  ServerRegistration(const ServerRegistration&) = delete;
  ServerRegistration& operator=(const ServerRegistration&) = delete;
  ~ServerRegistration();

 private:
  std::vector<HKEY> roots_;
};

}  // namespace quirevo::testing
