#include "workbook/print_plan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quirevo {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

// Records every count read and every request in the order the plan made them, so a test sees
// which counts were read, how often, and whether before or after a request.
class RecordingTarget final : public PrintTarget {
 public:
  RecordingTarget(std::int32_t sheets, std::map<std::int32_t, std::int32_t> pages)
      : sheets_(sheets), pages_(std::move(pages)) {}

  std::int32_t sheetCount() override {
    events.push_back("count sheets");
    return sheets_;
  }
  std::int32_t pageCount(std::int32_t sheet) override {
    events.push_back("count pages of " + std::to_string(sheet));
    const auto pages = pages_.find(sheet);
    if (pages == pages_.end()) {
      throw std::out_of_range("no page count for sheet " + std::to_string(sheet));
    }
    return pages->second;
  }
  void print(const PrintRequest& request) override {
    if (refuseAt == static_cast<int>(requests.size()) + 1) {
      events.push_back("refused");
      throw std::runtime_error("refused");
    }
    requests.push_back(request);
    events.push_back((request.sheetMode ? "sheet " : "pages of ") + std::to_string(request.sheet) +
                     ": " + std::to_string(request.firstPage) + ".." +
                     std::to_string(request.lastPage) + " x" + std::to_string(request.copies));
  }

  std::vector<std::string> events;
  std::vector<PrintRequest> requests;
  int refuseAt = 0;  // the n-th request is refused; 0: none

 private:
  std::int32_t sheets_;
  std::map<std::int32_t, std::int32_t> pages_;
};

PrintSettings sheetMode(SheetChoice choice) {
  PrintSettings settings;
  settings.printer = "Office Laser";
  settings.sheetMode = true;
  settings.sheets.choice = choice;
  return settings;
}

PrintSettings pageMode(PageChoice choice, std::int32_t sheet = 2, std::int32_t copies = 1) {
  PrintSettings settings;
  settings.printer = "Office Laser";
  settings.pageMode = true;
  settings.pages.choice = choice;
  settings.pages.sheet = sheet;
  settings.pages.copies = copies;
  return settings;
}

struct PlanCase {
  const char* name;
  PrintSettings settings;
  std::int32_t sheetCount;
  std::map<std::int32_t, std::int32_t> pageCounts;
  std::vector<std::string> expected;
};

PrintSettings withSheets(PrintSettings settings, std::int32_t first, std::int32_t last) {
  settings.sheets.firstSheet = first;
  settings.sheets.lastSheet = last;
  return settings;
}

PrintSettings withOneSheet(SheetChoice choice, std::int32_t sheet, std::int32_t pagesPerSheet,
                           std::int32_t copies) {
  PrintSettings settings = sheetMode(choice);
  settings.sheets.oneSheet = sheet;
  settings.sheets.pagesPerSheet = pagesPerSheet;
  settings.sheets.copies = copies;
  return settings;
}

PrintSettings withPages(PrintSettings settings, std::int32_t first, std::int32_t last) {
  settings.pages.firstPage = first;
  settings.pages.lastPage = last;
  return settings;
}

PrintSettings withOnePage(std::int32_t page) {
  PrintSettings settings = pageMode(PageChoice::One);
  settings.pages.onePage = page;
  return settings;
}

const PlanCase kSheetModeCases[] = {
    {"AllSheetsCountedOnceFirst",
     sheetMode(SheetChoice::All),
     3,
     {},
     {"count sheets", "sheet 1: 1..1 x1", "sheet 2: 1..1 x1", "sheet 3: 1..1 x1"}},
    {"AllSheetsUsePagesPerSheetAndCopiesWhateverTheirPages",
     withOneSheet(SheetChoice::All, 9, 4, 3),
     2,
     {{1, 1}, {2, 10}},
     {"count sheets", "sheet 1: 1..4 x3", "sheet 2: 1..4 x3"}},
    {"AllSheetsOfZero", sheetMode(SheetChoice::All), 0, {}, {"count sheets"}},
    {"AllSheetsOfNegativeCount", sheetMode(SheetChoice::All), -2, {}, {"count sheets"}},
    {"OneSheetReadsNoCount", withOneSheet(SheetChoice::One, 2, 3, 2), 5, {}, {"sheet 2: 1..3 x2"}},
    {"OneSheetBeyondTheCountIsStillRequested",
     withOneSheet(SheetChoice::One, 7, 1, 1),
     3,
     {},
     {"sheet 7: 1..1 x1"}},
    {"RangeUpwardsReadsNoCount",
     withSheets(sheetMode(SheetChoice::Range), 2, 5),
     3,
     {},
     {"sheet 2: 1..1 x1", "sheet 3: 1..1 x1", "sheet 4: 1..1 x1", "sheet 5: 1..1 x1"}},
    {"RangeOfOneSheet",
     withSheets(sheetMode(SheetChoice::Range), 2, 2),
     3,
     {},
     {"sheet 2: 1..1 x1"}},
    {"RangeDownwardsRequestsNothing", withSheets(sheetMode(SheetChoice::Range), 4, 2), 3, {}, {}},
    {"RangeThroughZeroAndNegativeIsSentAsIs",
     withSheets(sheetMode(SheetChoice::Range), -1, 1),
     3,
     {},
     {"sheet -1: 1..1 x1", "sheet 0: 1..1 x1", "sheet 1: 1..1 x1"}},
    {"RangeEndingAtTheLargestIntegerStops",
     withSheets(sheetMode(SheetChoice::Range), kLargest - 1, kLargest),
     3,
     {},
     {"sheet 2147483646: 1..1 x1", "sheet 2147483647: 1..1 x1"}},
    {"EvenSheetsOfOne", sheetMode(SheetChoice::Even), 1, {}, {"count sheets"}},
    {"EvenSheetsOfTwo", sheetMode(SheetChoice::Even), 2, {}, {"count sheets", "sheet 2: 1..1 x1"}},
    {"EvenSheetsOfFive",
     sheetMode(SheetChoice::Even),
     5,
     {},
     {"count sheets", "sheet 2: 1..1 x1", "sheet 4: 1..1 x1"}},
    {"EvenSheetsOfSixIncludeTheLast",
     sheetMode(SheetChoice::Even),
     6,
     {},
     {"count sheets", "sheet 2: 1..1 x1", "sheet 4: 1..1 x1", "sheet 6: 1..1 x1"}},
    {"EvenSheetsOfZero", sheetMode(SheetChoice::Even), 0, {}, {"count sheets"}},
    {"OddSheetsOfOne", sheetMode(SheetChoice::Odd), 1, {}, {"count sheets", "sheet 1: 1..1 x1"}},
    {"OddSheetsOfFive",
     sheetMode(SheetChoice::Odd),
     5,
     {},
     {"count sheets", "sheet 1: 1..1 x1", "sheet 3: 1..1 x1", "sheet 5: 1..1 x1"}},
    {"OddSheetsOfZero", sheetMode(SheetChoice::Odd), 0, {}, {"count sheets"}},
    {"OddSheetsOfNegativeCount", sheetMode(SheetChoice::Odd), -1, {}, {"count sheets"}},
    {"NoSheetChoiceRequestsNothing", sheetMode(SheetChoice::None), 3, {}, {}},
};

const PlanCase kPageModeCases[] = {
    {"AllPagesOfTheChosenSheet",
     pageMode(PageChoice::All, 3, 2),
     5,
     {{2, 7}, {3, 4}},
     {"count pages of 3", "pages of 3: 1..4 x2"}},
    {"AllPagesOfZeroStillSendOneRequest",
     pageMode(PageChoice::All),
     5,
     {{2, 0}},
     {"count pages of 2", "pages of 2: 1..0 x1"}},
    {"AllPagesOfNegativeCountAreSentAsIs",
     pageMode(PageChoice::All),
     5,
     {{2, -3}},
     {"count pages of 2", "pages of 2: 1..-3 x1"}},
    {"OnePageReadsNoCount", withOnePage(3), 5, {}, {"pages of 2: 3..3 x1"}},
    {"PageRangeReadsNoCount",
     withPages(pageMode(PageChoice::Range, 4, 3), 2, 6),
     5,
     {},
     {"pages of 4: 2..6 x3"}},
    {"PageRangeDownwardsIsSentAsIs",
     withPages(pageMode(PageChoice::Range), 5, 2),
     5,
     {},
     {"pages of 2: 5..2 x1"}},
    {"EvenPagesOfFive",
     pageMode(PageChoice::Even),
     1,
     {{2, 5}},
     {"count pages of 2", "pages of 2: 2..2 x1", "pages of 2: 4..4 x1"}},
    {"EvenPagesOfFourIncludeTheLast",
     pageMode(PageChoice::Even, 2, 2),
     1,
     {{2, 4}},
     {"count pages of 2", "pages of 2: 2..2 x2", "pages of 2: 4..4 x2"}},
    {"EvenPagesOfOne", pageMode(PageChoice::Even), 1, {{2, 1}}, {"count pages of 2"}},
    {"EvenPagesOfZero", pageMode(PageChoice::Even), 1, {{2, 0}}, {"count pages of 2"}},
    {"OddPagesOfFive",
     pageMode(PageChoice::Odd, 1),
     1,
     {{1, 5}},
     {"count pages of 1", "pages of 1: 1..1 x1", "pages of 1: 3..3 x1", "pages of 1: 5..5 x1"}},
    {"OddPagesOfOne",
     pageMode(PageChoice::Odd),
     1,
     {{2, 1}},
     {"count pages of 2", "pages of 2: 1..1 x1"}},
    {"OddPagesOfZero", pageMode(PageChoice::Odd), 1, {{2, 0}}, {"count pages of 2"}},
    {"OddPagesOfNegativeCount", pageMode(PageChoice::Odd), 1, {{2, -4}}, {"count pages of 2"}},
    {"NoPageChoiceRequestsNothing", pageMode(PageChoice::None), 1, {{2, 3}}, {}},
};

PrintSettings bothModes() {
  PrintSettings settings = withOneSheet(SheetChoice::One, 3, 2, 1);
  settings.pageMode = true;
  settings.pages.choice = PageChoice::One;
  settings.pages.sheet = 1;
  settings.pages.onePage = 4;
  return settings;
}

const PlanCase kModeCases[] = {
    {"NeitherModeReadsAndRequestsNothing", PrintSettings{}, 3, {{1, 3}}, {}},
    {"PageModeIgnoresTheSheetChoice",
     [] {
       PrintSettings settings = pageMode(PageChoice::One);
       settings.sheets.choice = SheetChoice::All;
       return settings;
     }(),
     3,
     {},
     {"pages of 2: 1..1 x1"}},
    {"SheetModeIgnoresThePageChoice",
     [] {
       PrintSettings settings = sheetMode(SheetChoice::One);
       settings.pages.choice = PageChoice::All;
       return settings;
     }(),
     3,
     {},
     {"sheet 1: 1..1 x1"}},
    {"SheetModeComesBeforePageMode",
     bothModes(),
     3,
     {},
     {"sheet 3: 1..2 x1", "pages of 1: 4..4 x1"}},
};

void PrintTo(const PlanCase& row, std::ostream* os) {
  *os << row.name;
}

class PlanRow : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanRow, ReadsCountsOnlyWhereNeededAndRequestsInRisingOrder) {
  const PlanCase& row = GetParam();
  RecordingTarget target(row.sheetCount, row.pageCounts);
  planPrint(row.settings, target);
  EXPECT_EQ(target.events, row.expected);
}

const auto kRowName = [](const ::testing::TestParamInfo<PlanCase>& info) {
  return std::string(info.param.name);
};
INSTANTIATE_TEST_SUITE_P(SheetMode, PlanRow, ::testing::ValuesIn(kSheetModeCases), kRowName);
INSTANTIATE_TEST_SUITE_P(PageMode, PlanRow, ::testing::ValuesIn(kPageModeCases), kRowName);
INSTANTIATE_TEST_SUITE_P(Modes, PlanRow, ::testing::ValuesIn(kModeCases), kRowName);

TEST(PlanRefusal, StopsAtTheRefusedRequestAndLetsTheFailureThrough) {
  RecordingTarget target(5, {});
  target.refuseAt = 2;
  EXPECT_THROW(planPrint(sheetMode(SheetChoice::Odd), target), std::runtime_error);
  EXPECT_EQ(target.events,
            (std::vector<std::string>{"count sheets", "sheet 1: 1..1 x1", "refused"}));
}

TEST(PlanRefusal, AFailedPageCountSendsNoRequest) {
  RecordingTarget target(5, {});  // no page count for sheet 2: reading it fails
  EXPECT_THROW(planPrint(pageMode(PageChoice::Even), target), std::out_of_range);
  EXPECT_TRUE(target.requests.empty());
}

}  // namespace
}  // namespace quirevo
