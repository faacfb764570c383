#pragma once

#include <atomic>
#include <functional>

#include "platform/com/com_object.h"

namespace quirevo::testing {

// {5C0E8F3A-7B21-4E96-A4D3-9F1B62C07E58}: the test server's class, registered under the
// ProgID "Excel.Application" while a scenario runs.
inline constexpr CLSID kTestServerClass = {
    0x5c0e8f3a, 0x7b21, 0x4e96, {0xa4, 0xd3, 0x9f, 0x1b, 0x62, 0xc0, 0x7e, 0x58}};

// Environment variable naming the settings file a scenario wrote. The program under test
// inherits it from the driver; under Wine a local server started for the program inherits it in
// turn (Windows' own launcher would not pass it on).
inline constexpr wchar_t kSettingsVariable[] = L"QUIREVO_TEST_SERVER_SETTINGS";

// Every CreateInstance reads the settings afresh and starts a new application object with its
// own model, as each start of Excel would. The factory lives as long as the module serving it.
// whenServed runs once an application object it made has been released, everything reached from
// it too, and at once when a creation fails; the local server ends on it.
class ClassFactory final : public ScopedComObject<IClassFactory> {
 public:
  explicit ClassFactory(std::function<void()> whenServed = {})
      : whenServed_(std::move(whenServed)) {}

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  // Whether any client has asked for an object yet.
  bool asked() const { return asked_; }

 private:
  std::function<void()> whenServed_;
  std::atomic<bool> asked_ = false;
};

}  // namespace quirevo::testing
