#include "tests/wine/server/request_text.h"

#include <utility>

#include "platform/com/unique_bstr.h"

namespace quirevo::testing {

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
