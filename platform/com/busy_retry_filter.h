#pragma once

#include "platform/com/com_object.h"

namespace quirevo {

// How long a call the server rejected as busy is retried before the failure is reported.
inline constexpr DWORD kBusyRetryLimitMs = 30000;
inline constexpr DWORD kBusyRetryIntervalMs = 250;

// The answer to IMessageFilter::RetryRejectedCall: the delay before the next try, or -1 to give
// up. Only "retry later" means busy; an outright rejection is final.
DWORD busyRetryDelay(DWORD rejectType, DWORD elapsedMs);

// Retries calls that the spreadsheet application rejects while it is busy (a modal dialog, a
// recalculation): a busy server is not a failed request.
class BusyRetryFilter final : public ComObject<IMessageFilter> {
 public:
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                             LPINTERFACEINFO interfaceInfo) override;
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount,
                                            DWORD rejectType) override;
  DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount, DWORD pendingType) override;

 private:
  ~BusyRetryFilter() override = default;
};

}  // namespace quirevo
