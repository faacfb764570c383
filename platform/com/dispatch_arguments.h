#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "automation/dispatch.h"
#include "platform/com/unique_bstr.h"

namespace quirevo {

// The DISPPARAMS of one Invoke, built from the program's arguments and owning every VARIANT,
// BSTR and interface reference in it until the call is over.
class DispatchArguments {
 public:
  DispatchArguments(InvokeKind kind, std::span<const Variant> positional,
                    std::span<const NamedArgument> named);
  DispatchArguments(const DispatchArguments&) = delete;
  DispatchArguments& operator=(const DispatchArguments&) = delete;
  ~DispatchArguments();

  DISPPARAMS* params() noexcept { return &params_; }
  // Writes what the callee left in the by-reference slots back into the caller's variables.
  void copyBack() const;

 private:
  void assign(VARIANT& slot, const Variant& value);

  // rgvarg itself; each entry is cleared (BSTR freed, reference released) with the arguments.
  std::vector<VARIANTARG> values_;
  std::vector<DISPID> namedIds_;
  // By-reference slots: the callee writes here, copyBack() carries it to the caller.
  std::vector<LONG> integerSlots_;
  std::vector<UniqueBstr> stringSlots_;
  std::vector<std::pair<std::int32_t*, const LONG*>> integerTargets_;
  std::vector<std::pair<std::string*, const UniqueBstr*>> stringTargets_;
  DISPPARAMS params_{};
};

// The invoke flags of each kind.
WORD invokeFlags(InvokeKind kind);

// A result as the program sees it; throws AutomationError for a type it has no form for.
Variant fromComVariant(const VARIANT& value);

}  // namespace quirevo
