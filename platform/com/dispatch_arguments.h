#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "automation/dispatch.h"
#include "platform/com/reference_slots.h"
#include "platform/com/unique_variant.h"

namespace quirevo {

// The DISPPARAMS of one Invoke, built from the program's arguments and owning every VARIANT,
// BSTR and interface reference in it until the call is over.
class DispatchArguments {
 public:
  DispatchArguments(InvokeKind kind, std::span<const Variant> positional,
                    std::span<const NamedArgument> named);
  DispatchArguments(const DispatchArguments&) = delete;
  DispatchArguments& operator=(const DispatchArguments&) = delete;

  DISPPARAMS* params() noexcept { return &params_; }
  // Writes what the callee left in the by-reference slots back into the caller's variables.
  void copyBack() const { references_.copyBack(); }

 private:
  void assign(VARIANT& slot, const Variant& value);

  ReferenceSlots references_;
  // rgvarg itself; each entry is cleared (BSTR freed, reference released) with the arguments.
  UniqueVariantArray values_;
  std::vector<DISPID> namedIds_;
  DISPPARAMS params_{};
};

}  // namespace quirevo
