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

}  // namespace

ServerRegistration::ServerRegistration(const std::wstring& serverDll) {
  roots_.push_back(HKEY_CURRENT_USER);
  if (runningUnderWine()) {
    roots_.push_back(HKEY_LOCAL_MACHINE);
  }
  for (HKEY root : roots_) {
    setValue(root, kProgIdKey + L"\\CLSID", nullptr, classText());
    setValue(root, classKey() + L"\\ProgID", nullptr, L"Excel.Application");
    setValue(root, classKey() + L"\\InprocServer32", nullptr, serverDll);
    setValue(root, classKey() + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  }
}

ServerRegistration::~ServerRegistration() {
  for (HKEY root : roots_) {
    RegDeleteTreeW(root, kProgIdKey.c_str());
    RegDeleteTreeW(root, classKey().c_str());
  }
}

}  // namespace quirevo::testing
