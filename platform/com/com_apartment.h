#pragma once

#include <windows.h>

#include <wrl/client.h>

#include "platform/automation_factory.h"

namespace quirevo {

// COM on the GUI thread as a single-threaded apartment, with the busy-retry message filter;
// both end when it is destroyed, after every interface pointer of the session has gone.
class ComApartment final : public AutomationApartment {
 public:
  ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() override;

 private:
  Microsoft::WRL::ComPtr<IMessageFilter> previousFilter_;
};

}  // namespace quirevo
