#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quirevo::testing {

// How a test's record writes the VARIANTs a call brought.
struct VariantNotation {
  std::string_view typePrefix = {};       // before each type name: "VT_" in "VT_I4"
  std::string_view referencePrefix = {};  // before a by-reference type: "VT_BYREF|"
  std::string_view referenceSuffix = {};  // after a by-reference type: "&" in "I4&"
  bool quoteStrings = false;              // "VT_BSTR \"x\"" rather than "BSTR x"
  bool markNullObjects = false;           // "DISPATCH null"
};

// The type and value of a VARIANT of the kinds the program sends (EMPTY, I4, BOOL, BSTR,
// DISPATCH, I4 and BSTR by reference); any other as "VT" and its number.
std::string describeVariant(const VARIANT& value, const VariantNotation& notation);

}  // namespace quirevo::testing
