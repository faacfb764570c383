#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quirevo {

// Code points of a UTF-8 text; a malformed byte reads as U+FFFD.
std::u32string decodeUtf8(std::string_view text);
std::string encodeUtf8(char32_t character);
std::string encodeUtf8(std::u32string_view text);
std::size_t utf8Length(std::string_view text);

}  // namespace quirevo
