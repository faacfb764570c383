#include "tests/wine/server/request_text.h"

#include <utility>

#include "tests/win/variant_text.h"

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

std::string argumentText(const VARIANT& value) {
  static constexpr VariantNotation kNotation{
      .typePrefix = "VT_", .referencePrefix = "VT_BYREF|", .quoteStrings = true};
  return describeVariant(value, kNotation);
}

}  // namespace quirevo::testing
