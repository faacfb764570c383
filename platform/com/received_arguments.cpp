#include "platform/com/received_arguments.h"

#include <optional>
#include <utility>

#include "platform/com/com_variant.h"

namespace quirevo {

ReceivedArguments::ReceivedArguments(const DISPPARAMS& params, InvokeKind kind) {
  // The layout DispatchArguments builds: named arguments first, the value of a put among them.
  std::optional<Variant> putValue;
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    const DISPID id = params.rgdispidNamedArgs[i];
    if (id == DISPID_PROPERTYPUT && kind == InvokeKind::Put) {
      putValue = fromCom(params.rgvarg[i]);
    } else {
      named_.push_back({id, fromCom(params.rgvarg[i])});
    }
  }
  for (UINT i = params.cArgs; i > params.cNamedArgs; --i) {
    positional_.push_back(fromCom(params.rgvarg[i - 1]));
  }
  if (putValue) {
    positional_.push_back(std::move(*putValue));
  }
}

Variant ReceivedArguments::fromCom(const VARIANT& value) {
  return (V_VT(&value) & VT_BYREF) != 0 ? references_.fromCom(value) : fromComVariant(value);
}

}  // namespace quirevo
