#include "tests/wine/driver/server_registration.h"

#include <stdexcept>

#include "tests/win/wine_limits.h"
#include "tests/wine/server/class_factory.h"

namespace quirevo::testing {

namespace {

const std::wstring kProgIdKey = L"Software\\Classes\\Excel.Application";

std::wstring classText() {
  wchar_t text[64] = {};
  StringFromGUID2(kTestServerClass, text, 64);
  return text;
}

std::wstring classKey() {
  return L"Software\\Classes\\CLSID\\" + classText();
}

void setValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(), bytes) != ERROR_SUCCESS) {
    throw std::runtime_error("the test server cannot be registered");
  }
}

bool endsWith(const std::wstring& path, const wchar_t* extension) {
  const std::size_t length = wcslen(extension);
  return path.size() >= length &&
         CompareStringOrdinal(path.c_str() + path.size() - length, static_cast<int>(length),
                              extension, static_cast<int>(length), TRUE) == CSTR_EQUAL;
}

void removeFrom(HKEY root) {
  RegDeleteTreeW(root, kProgIdKey.c_str());
  RegDeleteTreeW(root, classKey().c_str());
}

}  // namespace

ServerRegistration::ServerRegistration(const std::wstring& server) {
  const bool local = endsWith(server, L".exe");
  if (!local && !endsWith(server, L".dll")) {
    throw std::invalid_argument("the test server is neither an .exe nor a .dll");
  }
  roots_.push_back(HKEY_CURRENT_USER);
  if (runningUnderWine()) {
    roots_.push_back(HKEY_LOCAL_MACHINE);
  }
  try {
    for (HKEY root : roots_) {
      removeFrom(root);
      setValue(root, kProgIdKey + L"\\CLSID", nullptr, classText());
      setValue(root, classKey() + L"\\ProgID", nullptr, L"Excel.Application");
      if (local) {
        // Quoted, as the path may hold blanks; COM adds "-Embedding" when it starts it.
        setValue(root, classKey() + L"\\LocalServer32", nullptr, L"\"" + server + L"\"");
      } else {
        setValue(root, classKey() + L"\\InprocServer32", nullptr, server);
        setValue(root, classKey() + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
      }
    }
  } catch (...) {
    // No destructor runs for a half-made registration: its keys go here.
    for (HKEY root : roots_) {
      removeFrom(root);
    }
    throw;
  }
}

ServerRegistration::~ServerRegistration() {
  for (HKEY root : roots_) {
    removeFrom(root);
  }
}

}  // namespace quirevo::testing
