#pragma once

#include "platform/com/com_object.h"

namespace quirevo::testing {

// {5C0E8F3A-7B21-4E96-A4D3-9F1B62C07E58}: the test server's class, registered under the
// ProgID "Excel.Application" while a scenario runs.
inline constexpr CLSID kTestServerClass = {
    0x5c0e8f3a, 0x7b21, 0x4e96, {0xa4, 0xd3, 0x9f, 0x1b, 0x62, 0xc0, 0x7e, 0x58}};

// Environment variable naming the settings file a scenario wrote.
inline constexpr wchar_t kSettingsVariable[] = L"QUIREVO_TEST_SERVER_SETTINGS";

// Every CreateInstance reads the settings afresh and starts a new application object with its
// own model, as each start of Excel would. The one factory lives as long as the DLL.
class ClassFactory final : public ScopedComObject<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace quirevo::testing
