#include "platform/libreoffice/page_selection.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace quirevo::office {
namespace {

struct SelectionRow {
  const char* name;
  std::int32_t pageCount;
  std::int32_t from;
  std::int32_t to;
  std::int32_t copies;
  std::optional<PageRange> printed;
};

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();

const SelectionRow kRows[] = {
    {"WholeSheet", 4, 1, 4, 1, PageRange{1, 4}},
    {"MiddlePages", 5, 2, 3, 2, PageRange{2, 3}},
    {"OnePage", 5, 3, 3, 1, PageRange{3, 3}},
    {"LastPageBeyondTheSheetIsCut", 3, 2, 999, 1, PageRange{2, 3}},
    {"FirstPageBelowOneIsCut", 3, -5, 2, 1, PageRange{1, 2}},
    {"ExtremeBoundsAreCut", 7, kMin, kMax, 1, PageRange{1, 7}},
    {"SheetWithoutPages", 0, 1, 1, 1, std::nullopt},
    {"AllPagesOfASheetWithoutPages", 0, 1, 0, 1, std::nullopt},
    {"RangeRunningDownwards", 5, 4, 2, 1, std::nullopt},
    {"LastPageBelowOne", 5, 1, 0, 1, std::nullopt},
    {"FirstPageBeyondTheSheet", 3, 4, 6, 1, std::nullopt},
    {"NoCopies", 3, 1, 3, 0, std::nullopt},
    {"NegativeCopies", 3, 1, 3, -2, std::nullopt},
};

class PageSelection : public ::testing::TestWithParam<SelectionRow> {};

TEST_P(PageSelection, PrintsThePagesOfTheSheetTheRequestReaches) {
  const SelectionRow& row = GetParam();
  EXPECT_EQ(selectPages(row.pageCount, row.from, row.to, row.copies), row.printed);
}

INSTANTIATE_TEST_SUITE_P(Requests, PageSelection, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo::office
