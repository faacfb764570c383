#include "platform/windows/known_folder.h"

#include <shlobj.h>

#include <memory>

namespace quirevo {

namespace {

struct CoTaskMemFreer {
  void operator()(wchar_t* memory) const { CoTaskMemFree(memory); }
};

}  // namespace

std::wstring knownFolderPath(REFKNOWNFOLDERID folder) {
  wchar_t* found = nullptr;
  const HRESULT status = SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &found);
  const std::unique_ptr<wchar_t, CoTaskMemFreer> path(found);
  return SUCCEEDED(status) && path ? std::wstring(path.get()) : std::wstring();
}

}  // namespace quirevo
