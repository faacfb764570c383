// The exports of the in-process test server DLL.
#include <windows.h>

#include "tests/wine/server/class_factory.h"

namespace {
// DllGetClassObject has no object to keep its class object in; the module is its only owner.
quirevo::testing::ClassFactory factory;
}  // namespace

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
  if (classId != quirevo::testing::kTestServerClass) {
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return factory.QueryInterface(iid, object);
}

// The objects share the stand-in's model, which lives in this DLL; staying loaded until the
// process ends keeps every late release safe.
extern "C" HRESULT __stdcall DllCanUnloadNow() {
  return S_FALSE;
}
