#include "tests/wine/server/class_factory.h"

#include <exception>
#include <memory>
#include <string>

#include "tests/wine/server/dispatch_adapter.h"
#include "tests/wine/server/server_settings.h"

namespace quirevo::testing {

namespace {

// The variable's whole value, however long; empty when it is not set.
std::wstring environmentVariable(const wchar_t* name) {
  std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
  if (value.empty()) {
    return value;
  }
  value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
  return value;
}

}  // namespace

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  *object = nullptr;
  if (outer != nullptr) {
    return CLASS_E_NOAGGREGATION;
  }
  asked_ = true;
  std::shared_ptr<ServerContext> context;
  try {
    const std::wstring path = environmentVariable(kSettingsVariable);
    if (!path.empty()) {
      context = std::make_shared<ServerContext>(readServerSettings(path), whenServed_);
    }
  } catch (const std::exception&) {
    // Settings that cannot be read: the client learns it from E_FAIL below.
  }
  if (!context) {
    // Nothing was made, so no release will end the run.
    if (whenServed_) {
      whenServed_();
    }
    return E_FAIL;
  }
  // From here on the context calls whenServed when it goes, also when the object is refused.
  try {
    return makeComObject<DispatchAdapter>(context, context->standIn().createApplication())
        ->QueryInterface(iid, object);
  } catch (const std::exception&) {
    return E_FAIL;
  }
}

}  // namespace quirevo::testing
