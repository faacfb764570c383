#include "platform/com/com_apartment.h"

#include "platform/com/busy_retry_filter.h"
#include "platform/com/com_error.h"

namespace quirevo {

ComApartment::ComApartment() {
  const Microsoft::WRL::ComPtr<IMessageFilter> filter = makeComObject<BusyRetryFilter>();
  const HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(status)) {
    throw comFailure(status);
  }
  const HRESULT registered = CoRegisterMessageFilter(filter.Get(), &previousFilter_);
  if (FAILED(registered)) {
    CoUninitialize();
    throw comFailure(registered);
  }
}

ComApartment::~ComApartment() {
  CoRegisterMessageFilter(previousFilter_.Get(), nullptr);
  previousFilter_.Reset();
  CoUninitialize();
}

}  // namespace quirevo
