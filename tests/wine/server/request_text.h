#pragma once

#include <windows.h>

#include <string>

namespace quirevo::testing {

// "METHOD|PROPERTYGET", "PROPERTYGET", "PROPERTYPUT", "METHOD"
std::string flagsText(WORD flags);

// "VT_I4 3", "VT_BOOL -1", "VT_BSTR \"x\"", "VT_BYREF|VT_I4 3", "VT_BYREF|VT_BSTR \"x\"",
// "VT_EMPTY"
std::string argumentText(const VARIANT& value);

}  // namespace quirevo::testing
