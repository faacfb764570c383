#include "tests/wine/server/server_settings.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quirevo::testing {
namespace {

TEST(ServerSettingsTest, ReadsEveryDirective) {
  const ServerSettings settings = parseServerSettings(
      "log C:\\run\\requests.log\r\n"
      "\n"
      "workbook C:\\run\\Two Sheets.xlsx\n"
      "sheet 3 First Sheet\n"
      "sheet 1 Second\n"
      "fail PrintOut 1 2 The printer is out of paper.\n"
      "busy DisplayAlerts 2\n"
      "hang Open 0\n"
      "die SHEETS 4\n");
  EXPECT_EQ(settings.logPath, "C:\\run\\requests.log");
  ASSERT_EQ(settings.workbooks.size(), 1u);
  EXPECT_EQ(settings.workbooks[0].first, "C:\\run\\Two Sheets.xlsx");
  const auto& sheets = settings.workbooks[0].second.sheets;
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].name, "First Sheet");
  EXPECT_EQ(sheets[0].pages.describe(), "int 3");
  EXPECT_EQ(sheets[1].name, "Second");
  EXPECT_EQ(sheets[1].pages.describe(), "int 1");
  ASSERT_EQ(settings.failures.size(), 1u);
  EXPECT_EQ(settings.failures[0].member, "PrintOut");
  EXPECT_EQ(settings.failures[0].skip, 1);
  EXPECT_EQ(settings.failures[0].times, 2);
  EXPECT_EQ(settings.failures[0].description, "The printer is out of paper.");
  EXPECT_EQ(settings.busyCalls, (std::map<std::string, int>{{"displayalerts", 2}}));
  ASSERT_EQ(settings.endings.size(), 2u);
  EXPECT_EQ(settings.endings[0].ending, CallEnding::Hang);
  EXPECT_EQ(settings.endings[0].member, "open");
  EXPECT_EQ(settings.endings[0].skip, 0);
  EXPECT_EQ(settings.endings[1].ending, CallEnding::Die);
  EXPECT_EQ(settings.endings[1].member, "sheets");
  EXPECT_EQ(settings.endings[1].skip, 4);
}

struct MalformedCase {
  const char* name;
  const char* text;
  const char* message;
};

class MalformedSettingsTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedSettingsTest, IsRefusedNamingItsLine) {
  try {
    parseServerSettings(GetParam().text);
    FAIL() << "accepted";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()),
              std::string("test server settings, ") + GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedSettingsTest,
    ::testing::Values(
        MalformedCase{"UnknownDirective", "log x\nstall Open 1\n", "line 2: stall Open 1"},
        MalformedCase{"SheetBeforeAnyWorkbook", "sheet 2 A\n", "line 1: sheet 2 A"},
        MalformedCase{"SheetWithoutPages", "workbook a.xlsx\nsheet A\n", "line 2: sheet A"},
        MalformedCase{"FailWithoutTimes", "fail Open 1 Gone\n", "line 1: fail Open 1 Gone"},
        MalformedCase{"BusyWithoutCalls", "busy Open\n", "line 1: busy Open"},
        MalformedCase{"BusyNegative", "busy Open -1\n", "line 1: busy Open -1"},
        MalformedCase{"BusyWithAStrayWord", "busy Open 2 times\n", "line 1: busy Open 2 times"},
        MalformedCase{"HangWithoutSkip", "log x\r\n\r\nhang Open\r\n", "line 3: hang Open"},
        MalformedCase{"HangNegative", "hang Open -1\n", "line 1: hang Open -1"},
        MalformedCase{"DieSkipNotANumber", "die Open first\n", "line 1: die Open first"},
        MalformedCase{"DieWithAStrayWord", "die Open 0 now\n", "line 1: die Open 0 now"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo::testing
