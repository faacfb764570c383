#include "ui/error_text.h"

#include "ui/utf8.h"

namespace quirevo {

std::string messageWithFullStop(std::string_view message) {
  std::string text(message);
  const std::u32string characters = decodeUtf8(message);
  if (!characters.empty() && characters.back() > U'.') {
    text += '.';
  }
  return text;
}

namespace {

char32_t toLower(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= U'\u0410' && c <= U'\u042F')) {
    return c + 32;
  }
  if (c >= U'\u0400' && c <= U'\u040F') {  // Ё, Є, І, Ї and the rest of that row
    return c + 80;
  }
  if (c == U'\u0490') {  // Ґ
    return U'\u0491';
  }
  return c;
}

}  // namespace

std::string applicationTitle(std::string_view executablePath) {
  const auto slash = executablePath.find_last_of("/\\");
  std::string_view name =
      slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  std::u32string characters = decodeUtf8(name);
  for (std::size_t i = 1; i < characters.size(); ++i) {
    characters[i] = toLower(characters[i]);
  }
  return encodeUtf8(characters);
}

}  // namespace quirevo
