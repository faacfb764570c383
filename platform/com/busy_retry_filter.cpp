#include "platform/com/busy_retry_filter.h"

namespace quirevo {

namespace {
constexpr DWORD kCancelCall = static_cast<DWORD>(-1);
}  // namespace

DWORD busyRetryDelay(DWORD rejectType, DWORD elapsedMs) {
  if (rejectType != SERVERCALL_RETRYLATER || elapsedMs >= kBusyRetryLimitMs) {
    return kCancelCall;
  }
  return kBusyRetryIntervalMs;
}

HRESULT STDMETHODCALLTYPE BusyRetryFilter::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) {
    return E_POINTER;
  }
  if (iid == IID_IUnknown || iid == IID_IMessageFilter) {
    *object = static_cast<IMessageFilter*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BusyRetryFilter::Release() {
  const ULONG left = --references_;
  if (left == 0) {
    delete this;
  }
  return left;
}

DWORD STDMETHODCALLTYPE BusyRetryFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
  return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE BusyRetryFilter::RetryRejectedCall(HTASK, DWORD tickCount,
                                                           DWORD rejectType) {
  return busyRetryDelay(rejectType, tickCount);
}

DWORD STDMETHODCALLTYPE BusyRetryFilter::MessagePending(HTASK, DWORD, DWORD) {
  // Window messages wait until the call returns, so no handler runs inside another.
  return PENDINGMSG_WAITDEFPROCESS;
}

}  // namespace quirevo
