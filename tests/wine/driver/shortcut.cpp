#include "tests/wine/driver/shortcut.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <stdexcept>

namespace quirevo::testing {

namespace {

// COM for the reading alone; declared first, it ends after the interface pointers.
class ComForReading {
 public:
  ComForReading() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
      throw std::runtime_error("COM does not start for reading the shortcut");
    }
  }
  ~ComForReading() { CoUninitialize(); }
  ComForReading(const ComForReading&) = delete;
  ComForReading& operator=(const ComForReading&) = delete;
};

void succeed(HRESULT status, const char* what) {
  if (FAILED(status)) {
    char code[16];
    wsprintfA(code, "%08lX", static_cast<unsigned long>(status));
    throw std::runtime_error(std::string("the shortcut cannot be read: ") + what + " failed (" +
                             code + ")");
  }
}

}  // namespace

Shortcut readShortcut(const std::wstring& path) {
  const ComForReading com;
  Microsoft::WRL::ComPtr<IShellLinkW> link;
  succeed(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)),
          "creating a shell link");
  Microsoft::WRL::ComPtr<IPersistFile> file;
  succeed(link.As(&file), "IPersistFile");
  succeed(file->Load(path.c_str(), STGM_READ), "loading");
  Shortcut shortcut;
  std::wstring text(MAX_PATH, L'\0');
  succeed(link->GetPath(text.data(), MAX_PATH, nullptr, SLGP_RAWPATH), "GetPath");
  shortcut.target = text.c_str();
  text.assign(MAX_PATH, L'\0');
  succeed(link->GetWorkingDirectory(text.data(), MAX_PATH), "GetWorkingDirectory");
  shortcut.workingFolder = text.c_str();
  return shortcut;
}

}  // namespace quirevo::testing
