#include <gtest/gtest.h>

#include "tests/support/window_fixture.h"

namespace quirevo::testing {
namespace {

using Requests = std::vector<std::string>;

class StartUpTest : public WindowFixture {};

TEST_F(StartUpTest, ShowsThePrinterAndStartsAHiddenSessionWithOneEmptyWorkbook) {
  window().create();
  EXPECT_EQ(window().Panel1.caption(), "Office Laser");
  EXPECT_EQ(fake.automation.created, Requests{"Excel.Application"});
  EXPECT_EQ(standIn().requests(),
            (Requests{"put DisplayAlerts(bool false)", "put Visible(bool false)", "get Workbooks",
                      "method Add"}));
  EXPECT_EQ(standIn().openWorkbooks(), Requests{""});
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

TEST_F(StartUpTest, WithoutAPrinterReportsItOnceAndStartsNoSession) {
  fake.printers.printer.reset();
  window().create();
  EXPECT_EQ(messages(), std::vector{errorBox("There is no default printer currently selected.")});
  EXPECT_EQ(window().Panel1.caption(), "");
  EXPECT_TRUE(fake.automation.created.empty());
  EXPECT_TRUE(spreadsheetSession().isEmpty());
}

TEST_F(StartUpTest, UnknownProgIdKeepsThePrinterAndLeavesTheSessionEmpty) {
  fake.automation.registeredProgId = "Other.Application";
  window().create();
  EXPECT_EQ(window().Panel1.caption(), "Office Laser");
  EXPECT_EQ(messages(), std::vector{errorBox("Invalid class string.")});
  EXPECT_TRUE(spreadsheetSession().isEmpty());
}

TEST_F(StartUpTest, AFailingStepEndsTheHandlerThereAndKeepsTheSession) {
  standIn().failAt("Visible", "The application is busy.");
  window().create();
  EXPECT_EQ(messages(), std::vector{errorBox("The application is busy.")});
  EXPECT_EQ(standIn().requests(),
            (Requests{"put DisplayAlerts(bool false)", "put Visible(bool false)"}));
  EXPECT_FALSE(spreadsheetSession().isEmpty());
  expectOnlySessionReference();
}

}  // namespace
}  // namespace quirevo::testing
