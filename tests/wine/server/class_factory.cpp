#include "tests/wine/server/class_factory.h"

#include <wrl/client.h>

#include <exception>
#include <memory>
#include <string>

#include "tests/wine/server/dispatch_adapter.h"
#include "tests/wine/server/server_settings.h"

namespace quirevo::testing {

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (iid == IID_IUnknown || iid == IID_IClassFactory) {
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  *object = nullptr;
  if (outer != nullptr) {
    return CLASS_E_NOAGGREGATION;
  }
  try {
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(kSettingsVariable, path, MAX_PATH) == 0) {
      return E_FAIL;
    }
    auto context = std::make_shared<ServerContext>(readServerSettings(path));
    Microsoft::WRL::ComPtr<IDispatch> application;
    // mingw-w64's ComPtr::Attach adds a reference where Microsoft's does not; taking the new
    // object over through the pointer's address works with both.
    *application.GetAddressOf() =
        new DispatchAdapter(context, context->standIn().createApplication());
    return application->QueryInterface(iid, object);
  } catch (const std::exception&) {
    return E_FAIL;
  }
}

}  // namespace quirevo::testing
