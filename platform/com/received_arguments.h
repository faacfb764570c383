#pragma once

#include <windows.h>

#include <vector>

#include "automation/dispatch.h"
#include "platform/com/reference_slots.h"

namespace quirevo {

// The DISPPARAMS an IDispatch server received, as a Dispatch takes them: positional arguments in
// their natural order (rgvarg holds them last first, after the named ones), the value of a put
// as its last positional argument, and by-reference arguments pointing at slots of this object,
// which copyBack() writes into the caller's VARIANTs after the call.
class ReceivedArguments {
 public:
  // Throws ComStatusError (DISP_E_TYPEMISMATCH) for a VARIANT that has no Variant form.
  ReceivedArguments(const DISPPARAMS& params, InvokeKind kind);
  ReceivedArguments(const ReceivedArguments&) = delete;
  ReceivedArguments& operator=(const ReceivedArguments&) = delete;

  const std::vector<Variant>& positional() const { return positional_; }
  const std::vector<NamedArgument>& named() const { return named_; }
  void copyBack() const { references_.copyBack(); }

 private:
  Variant fromCom(const VARIANT& value);

  ReferenceSlots references_;
  std::vector<Variant> positional_;
  std::vector<NamedArgument> named_;
};

}  // namespace quirevo
