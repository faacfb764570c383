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
