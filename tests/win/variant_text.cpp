#include "tests/win/variant_text.h"

#include <optional>

#include "platform/com/unique_bstr.h"

namespace quirevo::testing {

namespace {

std::string stringText(BSTR value, const VariantNotation& notation) {
  if (!notation.quoteStrings) {
    return bstrText(value);
  }
  // Appended piece by piece: GCC 12 sees a false overlap in "\"" + text (its bug 105329).
  std::string quoted(1, '"');
  quoted += bstrText(value);
  quoted += '"';
  return quoted;
}

}  // namespace

std::string describeVariant(const VARIANT& value, const VariantNotation& notation) {
  std::string type;
  std::optional<std::string> text;  // none for a type without a value
  switch (V_VT(&value)) {
    case VT_EMPTY:
      type = "EMPTY";
      break;
    case VT_I4:
      type = "I4";
      text = std::to_string(V_I4(&value));
      break;
    case VT_BOOL:
      type = "BOOL";
      text = std::to_string(V_BOOL(&value));
      break;
    case VT_BSTR:
      type = "BSTR";
      text = stringText(V_BSTR(&value), notation);
      break;
    case VT_DISPATCH:
      type = "DISPATCH";
      if (notation.markNullObjects && V_DISPATCH(&value) == nullptr) {
        text = "null";
      }
      break;
    case VT_BYREF | VT_I4:
      type = "I4";
      text = std::to_string(*V_I4REF(&value));
      break;
    case VT_BYREF | VT_BSTR:
      type = "BSTR";
      text = stringText(*V_BSTRREF(&value), notation);
      break;
    default:
      return "VT " + std::to_string(V_VT(&value));
  }
  type = std::string(notation.typePrefix) + type;
  if ((V_VT(&value) & VT_BYREF) != 0) {
    type = std::string(notation.referencePrefix) + type + std::string(notation.referenceSuffix);
  }
  return text ? type + " " + *text : type;
}

}  // namespace quirevo::testing
