#pragma once

#include <cstdint>
#include <optional>

namespace quirevo::office {

struct PageRange {
  std::int32_t first;
  std::int32_t last;
  bool operator==(const PageRange&) const = default;
};

// The pages of a sheet of pageCount pages that a print request for pages from..to with copies
// copies prints: the requested range cut to the sheet's pages, or nothing when it selects none
// (a sheet without pages, a range running downwards or lying outside the sheet, no copies).
std::optional<PageRange> selectPages(std::int32_t pageCount, std::int32_t from, std::int32_t to,
                                     std::int32_t copies);

}  // namespace quirevo::office
