#include <gtest/gtest.h>

#include "tests/support/window_fixture.h"

namespace quirevo::testing {
namespace {

using Requests = std::vector<std::string>;

class PreviewTest : public WindowFixture {};

TEST_F(PreviewTest, CheckingAndUncheckingShowsAndHidesTheSpreadsheetApplication) {
  start();
  window().CheckBox1.userClick();
  EXPECT_TRUE(standIn().visible());
  window().CheckBox1.userClick();
  EXPECT_FALSE(standIn().visible());
  EXPECT_EQ(standIn().requests(), (Requests{"put Visible(bool true)", "put Visible(bool false)"}));
  expectOnlySessionReference();
}

TEST_F(PreviewTest, WithAnEmptySessionTheBoxChangesAndTheFailureIsReported) {
  fake.printers.printer.reset();
  window().create();
  messages().clear();
  window().CheckBox1.userClick();
  EXPECT_TRUE(window().CheckBox1.checked());
  EXPECT_EQ(messages(), std::vector{errorBox("Invalid variant operation.")});
}

class FileChooserTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    window().Edit1.OnChange = [this](Control&) { changes.push_back(window().Edit1.text()); };
  }
  void choose(std::optional<std::string> answer) {
    fake.desktop.dialogAnswers.push_back(std::move(answer));
    window().SpeedButton1.userClick();
  }
  std::vector<std::string> changes;
};

TEST_F(FileChooserTest, ChosenFullPathLandsInTheFileField) {
  choose("/home/anna/Totals.xlsx");
  EXPECT_EQ(window().Edit1.text(), "/home/anna/Totals.xlsx");
  ASSERT_EQ(fake.desktop.dialogRequests.size(), 1u);
  EXPECT_EQ(fake.desktop.dialogRequests[0].filters,
            (std::vector<FileFilter>{{"Excel", "*.xls;*.xlsx"}}));
  EXPECT_EQ(changes, Requests{"/home/anna/Totals.xlsx"});
}

TEST_F(FileChooserTest, ChoosingTheFileTheFieldShowsChangesNothing) {
  choose("/home/anna/Totals.xlsx");
  choose("/home/anna/Totals.xlsx");
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_EQ(fake.desktop.dialogRequests[1].fileName, "/home/anna/Totals.xlsx");
}

TEST_F(FileChooserTest, CancelRestoresTheLastChosenFileOrEmptiesTheField) {
  choose(std::nullopt);
  EXPECT_TRUE(changes.empty()) << "the field was empty and stays empty";
  choose("/data/a.xls");
  window().Edit1.userEdit("typed by hand");
  choose(std::nullopt);
  EXPECT_EQ(window().Edit1.text(), "/data/a.xls");
  EXPECT_EQ(changes, (Requests{"/data/a.xls", "typed by hand", "/data/a.xls"}));
}

class CloseButtonTest : public WindowFixture {};

TEST_F(CloseButtonTest, ClosesTheWorkbookQuitsAndClosesTheWindow) {
  start();
  window().BitBtn2.userClick();
  EXPECT_EQ(standIn().requests(),
            (Requests{"get ActiveWorkbook", "method Close", "get Application", "method Quit"}));
  EXPECT_TRUE(standIn().quitRequested());
  EXPECT_TRUE(window().closed());
  expectOnlySessionReference();
}

struct CloseFailure {
  const char* name;
  const char* member;
};

class CloseButtonFailure : public CloseButtonTest,
                           public ::testing::WithParamInterface<CloseFailure> {};

TEST_P(CloseButtonFailure, KeepsTheWindowOpenAndASecondPressRepeatsAllSteps) {
  start();
  standIn().failAt(GetParam().member, "Refused", 0, 1);
  window().BitBtn2.userClick();
  EXPECT_FALSE(window().closed());
  EXPECT_EQ(messages(), std::vector{errorBox("Refused.")});
  expectOnlySessionReference();

  standIn().clearLog();
  window().BitBtn2.userClick();
  EXPECT_TRUE(window().closed());
  const Requests closeRequests{"get ActiveWorkbook", "method Close"};
  const Requests quitRequests{"get Application", "method Quit"};
  Requests expected = std::string(GetParam().member) == "Close" ? closeRequests : Requests{};
  expected.insert(expected.end(), quitRequests.begin(), quitRequests.end());
  if (std::string(GetParam().member) == "Close") {
    EXPECT_EQ(standIn().requests(), expected) << "the workbook that failed to close is closed now";
  } else {
    EXPECT_EQ(standIn().requests(),
              (Requests{"get ActiveWorkbook", "get Application", "method Quit"}))
        << "the workbook was closed by the first press";
  }
}

INSTANTIATE_TEST_SUITE_P(Steps, CloseButtonFailure,
                         ::testing::Values(CloseFailure{"Close", "Close"},
                                           CloseFailure{"Quit", "Quit"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(CloseButtonTest, WithNoWorkbookOpenItStillQuitsAndCloses) {
  start();
  window().Edit1.userEdit("missing.xlsx");  // closes the start-up workbook, then the open fails
  ASSERT_FALSE(standIn().activeWorkbook());
  standIn().clearLog();
  messages().clear();
  window().BitBtn2.userClick();
  EXPECT_EQ(standIn().requests(),
            (Requests{"get ActiveWorkbook", "get Application", "method Quit"}));
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(window().closed());
  expectOnlySessionReference();
}

TEST_F(CloseButtonTest, WithAnEmptySessionReportsAndKeepsTheWindow) {
  fake.printers.printer.reset();
  window().create();
  messages().clear();
  window().BitBtn2.userClick();
  EXPECT_EQ(messages(), std::vector{errorBox("Invalid variant operation.")});
  EXPECT_FALSE(window().closed());
}

class ModeButtonsTest : public WindowFixture {};

TEST_F(ModeButtonsTest, SwitchTheGroupBoxesAndKeepEveryControlInsideBoth) {
  start();
  window().RadioButton4.userClick();
  window().SpinEdit1.userEdit("7");
  window().RadioButton2.userClick();
  EXPECT_TRUE(window().GroupBox2.visible());
  EXPECT_FALSE(window().GroupBox1.visible());
  window().RadioButton11.userClick();
  window().SpinEdit9.userEdit("12");
  window().RadioButton2.userClick();  // already checked: nothing changes
  EXPECT_TRUE(window().GroupBox2.visible());
  window().RadioButton1.userClick();
  EXPECT_TRUE(window().GroupBox1.visible());
  EXPECT_FALSE(window().GroupBox2.visible());
  EXPECT_TRUE(window().RadioButton4.checked());
  EXPECT_EQ(window().SpinEdit1.text(), "7");
  EXPECT_TRUE(window().RadioButton11.checked());
  EXPECT_EQ(window().SpinEdit9.text(), "12");
  EXPECT_TRUE(standIn().requests().empty())
      << "mode switches never reach the spreadsheet application";
}

}  // namespace
}  // namespace quirevo::testing
