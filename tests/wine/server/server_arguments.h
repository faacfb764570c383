#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "automation/dispatch.h"

namespace quirevo::testing {

// A failure status the server answers with instead of a result.
struct ComStatus {
  HRESULT status;
};

// The DISPPARAMS of one Invoke as the stand-in takes them: positional arguments in their
// natural order (rgvarg holds them last first, after the named ones), the value of a put as its
// last positional argument, and by-reference arguments pointing at slots of this object, which
// copyBack() writes into the caller's variables after the call.
class ServerArguments {
 public:
  // Throws ComStatus for a VARIANT type the automation members never take.
  ServerArguments(const DISPPARAMS& params, InvokeKind kind);
  ServerArguments(const ServerArguments&) = delete;
  ServerArguments& operator=(const ServerArguments&) = delete;

  const std::vector<Variant>& positional() const { return positional_; }
  const std::vector<NamedArgument>& named() const { return named_; }
  void copyBack() const;

 private:
  Variant fromCom(VARIANT& value);

  std::vector<Variant> positional_;
  std::vector<NamedArgument> named_;
  // Deques: the Variants point into them, so their elements must not move.
  std::deque<std::int32_t> integers_;
  std::deque<std::string> strings_;
  std::vector<std::pair<LONG*, const std::int32_t*>> integerTargets_;
  std::vector<std::pair<BSTR*, const std::string*>> stringTargets_;
};

// The invoke kind of a call's flags; throws ComStatus for flags the program never sends.
InvokeKind kindOf(WORD flags);

// "METHOD|PROPERTYGET", "PROPERTYGET", "PROPERTYPUT", "METHOD"
std::string flagsText(WORD flags);

// "VT_I4 3", "VT_BOOL -1", "VT_BSTR \"x\"", "VT_BYREF|VT_I4 3", "VT_BYREF|VT_BSTR \"x\"",
// "VT_EMPTY"
std::string describeVariant(const VARIANT& value);

}  // namespace quirevo::testing
