#include "platform/com/com_automation_factory.h"

#include <wrl/client.h>

#include "platform/com/com_apartment.h"
#include "platform/com/com_dispatch.h"
#include "platform/com/com_error.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

std::unique_ptr<AutomationApartment> ComAutomationFactory::enterApartment() {
  return std::make_unique<ComApartment>();
}

DispatchPtr ComAutomationFactory::createObject(std::string_view progId) {
  CLSID classId{};
  const HRESULT found = CLSIDFromProgID(toWide(progId).c_str(), &classId);
  if (FAILED(found)) {
    throw comFailure(found);
  }
  Microsoft::WRL::ComPtr<IDispatch> object;
  const HRESULT created = CoCreateInstance(
      classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(&object));
  if (FAILED(created)) {
    throw comFailure(created);
  }
  return wrapComObject(object.Get());
}

}  // namespace quirevo
