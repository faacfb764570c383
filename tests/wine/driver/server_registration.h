#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quirevo::testing {

// The test server registered as "Excel.Application" (in-process, apartment-threaded) for as long
// as the object lives. It is registered for the current user, as a user without administrator
// rights can; under Wine, which reads no per-user classes (tests/win/wine_limits.h), for the
// machine as well.
class ServerRegistration {
 public:
  explicit ServerRegistration(const std::wstring& serverDll);
  ServerRegistration(const ServerRegistration&) = delete;
  ServerRegistration& operator=(const ServerRegistration&) = delete;
  ~ServerRegistration();

 private:
  std::vector<HKEY> roots_;
};

}  // namespace quirevo::testing
