// What the COM launcher reads and decides for itself: the executable a class is served by, the
// statuses that mean the server has gone, and the application's name in the user's words.
#include "platform/com/com_application_launcher.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/com_class.h"
#include "platform/com/supervised_com_factory.h"

namespace quirevo::testing {
namespace {

// {0F5E2B7C-93A4-4E1B-8C6D-2A41B7E09D13}
constexpr CLSID kServedClass = {
    0x0f5e2b7c, 0x93a4, 0x4e1b, {0x8c, 0x6d, 0x2a, 0x41, 0xb7, 0xe0, 0x9d, 0x13}};
const std::wstring kClassKey = L"Software\\Classes\\CLSID\\{0F5E2B7C-93A4-4E1B-8C6D-2A41B7E09D13}";

// The class registered for the user and the machine (Wine reads only the machine's), as given.
class ServedClass {
 public:
  explicit ServedClass(const std::wstring* localServer) {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      const std::wstring key = kClassKey + (localServer ? L"\\LocalServer32" : L"\\InprocServer32");
      const std::wstring value = localServer ? *localServer : L"C:\\server.dll";
      RegSetKeyValueW(root, key.c_str(), nullptr, REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
  }
  ~ServedClass() {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      RegDeleteTreeW(root, kClassKey.c_str());
    }
  }
  ServedClass(const ServedClass&) = delete;
  ServedClass& operator=(const ServedClass&) = delete;
};

struct CommandLine {
  const wchar_t* registered;
  const wchar_t* executable;
};

TEST(LocalServerExecutable, IsTheFileNameOfTheRegisteredCommand) {
  const CommandLine rows[] = {
      {L"\"C:\\Program Files\\Microsoft Office\\root\\Office16\\EXCEL.EXE\" /automation -Embedding",
       L"EXCEL.EXE"},
      {L"C:\\PROGRA~1\\MICROS~1\\Office16\\EXCEL.EXE /automation", L"EXCEL.EXE"},
      {L"C:\\Program Files\\Test Server\\quirevo_test_server.exe -Embedding",
       L"quirevo_test_server.exe"},
      {L"\"C:\\tests\\quirevo_test_server.exe\"", L"quirevo_test_server.exe"},
  };
  for (const CommandLine& row : rows) {
    const std::wstring registered = row.registered;
    const ServedClass served(&registered);
    EXPECT_EQ(localServerExecutable(kServedClass), row.executable) << registered.c_str();
  }
  const ServedClass inProcessOnly(nullptr);
  EXPECT_EQ(localServerExecutable(kServedClass), L"") << "a class served in process has none";
}

TEST(ServerGone, OnlyTheStatusesOfAServerThatDiedOrBrokeTheConnection) {
  const std::vector<HRESULT> gone = {RPC_E_DISCONNECTED,
                                     RPC_E_SERVER_DIED,
                                     RPC_E_SERVER_DIED_DNE,
                                     CO_E_OBJNOTCONNECTED,
                                     HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE),
                                     HRESULT_FROM_WIN32(RPC_S_CALL_FAILED),
                                     HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE)};
  const std::vector<HRESULT> alive = {
      DISP_E_EXCEPTION, DISP_E_UNKNOWNNAME, DISP_E_TYPEMISMATCH, RPC_E_SERVERCALL_RETRYLATER,
      E_FAIL,           REGDB_E_CLASSNOTREG};
  for (HRESULT status : gone) {
    EXPECT_TRUE(isServerGone(status)) << std::hex << status;
  }
  for (HRESULT status : alive) {
    EXPECT_FALSE(isServerGone(status)) << std::hex << status;
  }
}

TEST(ApplicationName, IsTheProgIdUpToItsFirstDot) {
  EXPECT_EQ(applicationName("Excel.Application"), "Excel");
  EXPECT_EQ(applicationName("Excel.Application.16"), "Excel");
  EXPECT_EQ(applicationName("Calc"), "Calc");
}

}  // namespace
}  // namespace quirevo::testing
