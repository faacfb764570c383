#pragma once

#include <cstdint>
#include <string_view>

namespace quirevo {

// The largest number the command line takes for a sheet, a page, copies or pages per sheet: the
// window's spin edits hold the same range.
inline constexpr std::int32_t kLargestNumber = 999;

// Which sheets or pages an option names: "all", "3", "2-5", "even", "odd".
struct Selection {
  enum class Span { All, One, Range, Even, Odd };
  Span span = Span::All;
  std::int32_t first = 1;
  std::int32_t last = 1;
  bool operator==(const Selection&) const = default;
};

// Throw UsageError naming the option and what is wrong with its value.
Selection parseSelection(std::string_view option, std::string_view text);
std::int32_t parseNumber(std::string_view option, std::string_view text);

}  // namespace quirevo
