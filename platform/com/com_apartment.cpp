#include "platform/com/com_apartment.h"

#include "platform/com/busy_retry_filter.h"
#include "platform/com/com_error.h"

namespace quirevo {

ComApartment::ComApartment() {
  const HRESULT status = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(status)) {
    throw comFailure(status);
  }
  Microsoft::WRL::ComPtr<IMessageFilter> filter;
  // mingw-w64's ComPtr::Attach adds a reference where Microsoft's does not, which left the filter
  // alive after the apartment; taking it over through the pointer's address works with both.
  *filter.GetAddressOf() = new BusyRetryFilter();
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
