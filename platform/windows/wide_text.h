#pragma once

#include <string>
#include <string_view>

namespace quirevo {

// UTF-8 inside the program, UTF-16 at every Windows API. Malformed input becomes U+FFFD.
std::wstring toWide(std::string_view text);
std::string toUtf8(std::wstring_view text);

}  // namespace quirevo
