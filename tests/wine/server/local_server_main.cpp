// The test server as its own process, registered as LocalServer32: COM starts one per creation
// of "Excel.Application", as it starts Excel. A GUI program, so that no console shows.
//   quirevo_test_server.exe [-Embedding | /Embedding]
// Exits with 0 once its object was served and released, 1 when no client came, 2 on a command
// line it does not know, 3 when COM would not take its class.
#include <windows.h>

#include <string_view>

#include "tests/wine/server/local_server.h"

namespace {

// Long enough for a slow Wine to hand over the creation that started the server.
constexpr DWORD kWaitForClientMs = 60000;

// COM adds "-Embedding" (or "/Embedding") to the registered command line.
bool startedByCom(std::wstring_view arguments) {
  while (!arguments.empty() && arguments.front() == L' ') {
    arguments.remove_prefix(1);
  }
  while (!arguments.empty() && arguments.back() == L' ') {
    arguments.remove_suffix(1);
  }
  return arguments.empty() ||
         ((arguments.front() == L'-' || arguments.front() == L'/') &&
          CompareStringOrdinal(arguments.data() + 1, static_cast<int>(arguments.size() - 1),
                               L"Embedding", -1, TRUE) == CSTR_EQUAL);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  if (!startedByCom(arguments)) {
    return 2;
  }
  switch (quirevo::testing::serveOneClient(kWaitForClientMs)) {
    case quirevo::testing::LocalServerEnd::Served:
      return 0;
    case quirevo::testing::LocalServerEnd::NoClient:
      return 1;
    case quirevo::testing::LocalServerEnd::NotStarted:
      return 3;
  }
  return 3;
}
