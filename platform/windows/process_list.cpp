#include "platform/windows/process_list.h"

#include <tlhelp32.h>

#include <system_error>

#include "platform/windows/unique_handle.h"

namespace quirevo {

std::set<DWORD> processesRunning(const std::wstring& executableName) {
  std::set<DWORD> found;
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "The process list cannot be read");
  }
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (CompareStringOrdinal(entry.szExeFile, -1, executableName.c_str(), -1, TRUE) == CSTR_EQUAL) {
      found.insert(entry.th32ProcessID);
    }
  }
  return found;
}

std::wstring executableName(const std::wstring& path) {
  const auto folder = path.find_last_of(L"\\/");
  return folder == std::wstring::npos ? path : path.substr(folder + 1);
}

}  // namespace quirevo
