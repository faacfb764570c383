#include "tests/wine/server/class_factory.h"

#include <exception>
#include <memory>
#include <string>

#include "tests/wine/server/dispatch_adapter.h"
#include "tests/wine/server/server_settings.h"

namespace quirevo::testing {

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
    return makeComObject<DispatchAdapter>(context, context->standIn().createApplication())
        ->QueryInterface(iid, object);
  } catch (const std::exception&) {
    return E_FAIL;
  }
}

}  // namespace quirevo::testing
