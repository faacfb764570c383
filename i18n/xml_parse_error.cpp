#include "i18n/xml_parse_error.h"

#include <string_view>

#include "ui/utf8.h"

namespace quirevo {

namespace {

std::string firstCharacters(std::string_view text, std::size_t count) {
  const std::u32string characters = decodeUtf8(text);
  return encodeUtf8(std::u32string_view(characters).substr(0, count));
}

// "%s%s%s: %d%s%s": reason, line break, "Line", number, line break, the faulty line's start.
std::string parseErrorMessage(const std::string& reason, int line, const std::string& lineText) {
  constexpr std::string_view kLineBreak = "\r\n";
  std::string message = reason;
  message += kLineBreak;
  message += "Line";
  message += ": ";
  message += std::to_string(line);
  message += kLineBreak;
  message += firstCharacters(lineText, XmlParseError::kLineTextLength);
  return message;
}

}  // namespace

XmlParseError::XmlParseError(std::string reason, int line, std::string lineText)
    : std::runtime_error(parseErrorMessage(reason, line, lineText)),
      reason_(std::move(reason)),
      line_(line),
      lineText_(std::move(lineText)) {}

}  // namespace quirevo
