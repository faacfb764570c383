#include "commands/selection.h"

#include <string>

#include "commands/usage_error.h"

namespace quirevo {

namespace {

UsageError wrong(std::string_view option, std::string_view text, std::string_view why) {
  return UsageError(std::string(option) + ": \"" + std::string(text) + "\" " + std::string(why));
}

}  // namespace

std::int32_t parseNumber(std::string_view option, std::string_view text) {
  const std::string range = "is not a number from 1 to " + std::to_string(kLargestNumber);
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != text.npos) {
    throw wrong(option, text, range);
  }
  const std::int32_t number = std::stoi(std::string(text));
  if (number < 1 || number > kLargestNumber) {
    throw wrong(option, text, range);
  }
  return number;
}

Selection parseSelection(std::string_view option, std::string_view text) {
  using Span = Selection::Span;
  if (text == "all") {
    return {Span::All};
  }
  if (text == "even") {
    return {Span::Even};
  }
  if (text == "odd") {
    return {Span::Odd};
  }
  const auto dash = text.find('-');
  if (dash == text.npos) {
    const std::int32_t one = parseNumber(option, text);
    return {Span::One, one, one};
  }
  if (dash == 0) {
    parseNumber(option, text);  // a negative number is named as such
  }
  if (dash + 1 == text.size()) {
    throw wrong(option, text, "is none of all, N, A-B, even, odd");
  }
  std::int32_t first = 0;
  std::int32_t last = 0;
  try {
    first = parseNumber(option, text.substr(0, dash));
    last = parseNumber(option, text.substr(dash + 1));
  } catch (const UsageError&) {
    throw wrong(option, text,
                "is not a range A-B of numbers from 1 to " + std::to_string(kLargestNumber));
  }
  if (last < first) {
    throw wrong(option, text, "runs backwards: the range's end comes before its start");
  }
  return {Span::Range, first, last};
}

}  // namespace quirevo
