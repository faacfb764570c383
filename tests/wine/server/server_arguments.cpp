#include "tests/wine/server/server_arguments.h"

#include <utility>

#include "platform/com/unique_bstr.h"

namespace quirevo::testing {

ServerArguments::ServerArguments(const DISPPARAMS& params, InvokeKind kind) {
  Variant putValue;
  bool hasPutValue = false;
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    const DISPID id = params.rgdispidNamedArgs[i];
    if (id == DISPID_PROPERTYPUT && kind == InvokeKind::Put) {
      putValue = fromCom(params.rgvarg[i]);
      hasPutValue = true;
    } else {
      named_.push_back({id, fromCom(params.rgvarg[i])});
    }
  }
  for (UINT i = params.cArgs; i > params.cNamedArgs; --i) {
    positional_.push_back(fromCom(params.rgvarg[i - 1]));
  }
  if (hasPutValue) {
    positional_.push_back(std::move(putValue));
  }
}

Variant ServerArguments::fromCom(VARIANT& value) {
  switch (V_VT(&value)) {
    case VT_I4:
      return Variant::integer(V_I4(&value));
    case VT_BOOL:
      return Variant::boolean(V_BOOL(&value) != VARIANT_FALSE);
    case VT_BSTR:
      return Variant::string(bstrText(V_BSTR(&value)));
    case VT_BYREF | VT_I4: {
      std::int32_t& slot = integers_.emplace_back(*V_I4REF(&value));
      integerTargets_.emplace_back(V_I4REF(&value), &slot);
      return Variant::integerRef(slot);
    }
    case VT_BYREF | VT_BSTR: {
      std::string& slot = strings_.emplace_back(bstrText(*V_BSTRREF(&value)));
      stringTargets_.emplace_back(V_BSTRREF(&value), &slot);
      return Variant::stringRef(slot);
    }
    default:
      throw ComStatus{DISP_E_TYPEMISMATCH};
  }
}

void ServerArguments::copyBack() const {
  for (const auto& [caller, slot] : integerTargets_) {
    *caller = *slot;
  }
  for (const auto& [caller, slot] : stringTargets_) {
    // The caller's old string is ours to free once the new one is in its place.
    const UniqueBstr old = UniqueBstr::adopt(std::exchange(*caller, UniqueBstr(*slot).release()));
  }
}

InvokeKind kindOf(WORD flags) {
  switch (flags) {
    case DISPATCH_METHOD | DISPATCH_PROPERTYGET:
      return InvokeKind::Get;
    case DISPATCH_PROPERTYGET:
      return InvokeKind::IndexedGet;
    case DISPATCH_PROPERTYPUT:
      return InvokeKind::Put;
    case DISPATCH_METHOD:
      return InvokeKind::Method;
    default:
      throw ComStatus{DISP_E_MEMBERNOTFOUND};
  }
}

std::string flagsText(WORD flags) {
  std::string text;
  const std::pair<WORD, const char*> names[] = {{DISPATCH_METHOD, "METHOD"},
                                                {DISPATCH_PROPERTYGET, "PROPERTYGET"},
                                                {DISPATCH_PROPERTYPUT, "PROPERTYPUT"},
                                                {DISPATCH_PROPERTYPUTREF, "PROPERTYPUTREF"}};
  for (const auto& [flag, name] : names) {
    if ((flags & flag) != 0) {
      text += (text.empty() ? "" : "|") + std::string(name);
    }
  }
  return text.empty() ? "0" : text;
}

std::string describeVariant(const VARIANT& value) {
  switch (V_VT(&value)) {
    case VT_EMPTY:
      return "VT_EMPTY";
    case VT_I4:
      return "VT_I4 " + std::to_string(V_I4(&value));
    case VT_BOOL:
      return "VT_BOOL " + std::to_string(V_BOOL(&value));
    case VT_BSTR:
      return "VT_BSTR \"" + bstrText(V_BSTR(&value)) + "\"";
    case VT_DISPATCH:
      return "VT_DISPATCH";
    case VT_BYREF | VT_I4:
      return "VT_BYREF|VT_I4 " + std::to_string(*V_I4REF(&value));
    case VT_BYREF | VT_BSTR:
      return "VT_BYREF|VT_BSTR \"" + bstrText(*V_BSTRREF(&value)) + "\"";
    default:
      return "VT " + std::to_string(V_VT(&value));
  }
}

}  // namespace quirevo::testing
