#include "platform/libreoffice/page_selection.h"

#include <algorithm>

namespace quirevo::office {

std::optional<PageRange> selectPages(std::int32_t pageCount, std::int32_t from, std::int32_t to,
                                     std::int32_t copies) {
  const std::int32_t first = std::max<std::int32_t>(from, 1);
  const std::int32_t last = std::min(to, pageCount);
  if (copies < 1 || first > last) {
    return std::nullopt;
  }
  return PageRange{first, last};
}

}  // namespace quirevo::office
