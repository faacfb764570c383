#include "platform/com/com_class.h"

#include <wrl/client.h>

#include "platform/com/com_dispatch.h"
#include "platform/com/com_error.h"
#include "platform/windows/process_list.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

// The executable's path in a server's command line: quoted, or up to its ".exe" where it is not
// (an unquoted path may hold blanks), or up to the first blank.
std::wstring executablePath(const std::wstring& commandLine) {
  if (!commandLine.empty() && commandLine.front() == L'"') {
    return commandLine.substr(1, commandLine.find(L'"', 1) - 1);
  }
  for (std::size_t at = 0; at + 4 <= commandLine.size(); ++at) {
    if (CompareStringOrdinal(commandLine.c_str() + at, 4, L".exe", 4, TRUE) == CSTR_EQUAL) {
      return commandLine.substr(0, at + 4);
    }
  }
  return commandLine.substr(0, commandLine.find(L' '));
}

}  // namespace

CLSID classOfProgId(std::string_view progId) {
  CLSID classId{};
  const HRESULT found = CLSIDFromProgID(toWide(progId).c_str(), &classId);
  if (FAILED(found)) {
    throw comFailure(found);
  }
  return classId;
}

std::wstring localServerExecutable(const CLSID& classId) {
  wchar_t classText[64] = {};
  StringFromGUID2(classId, classText, 64);
  const std::wstring key = L"CLSID\\" + std::wstring(classText) + L"\\LocalServer32";
  // Asked for as text, an expandable value comes back expanded.
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                   &bytes) != ERROR_SUCCESS) {
    return {};
  }
  std::wstring commandLine(bytes / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                   commandLine.data(), &bytes) != ERROR_SUCCESS) {
    return {};
  }
  commandLine.resize(wcsnlen(commandLine.c_str(), commandLine.size()));
  return executableName(executablePath(commandLine));
}

DispatchPtr createComObject(const CLSID& classId) {
  Microsoft::WRL::ComPtr<IDispatch> object;
  const HRESULT created = CoCreateInstance(
      classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(&object));
  if (FAILED(created)) {
    throw comFailure(created);
  }
  return wrapComObject(object.Get());
}

}  // namespace quirevo
