// The program's typical run on the headless window with LibreOffice behind "Excel.Application":
// a workbook of three sheets chosen with "...", sheets 2 to 3 printed with two copies, "Close".
#include <gtest/gtest.h>

#include "app/main_unit.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/libreoffice/office_window.h"
#include "tests/support/fake_platform.h"

namespace quirevo::testing {
namespace {

class TypicalRun : public ::testing::Test, protected QuirevoOnLibreOffice {
 protected:
  void TearDown() override {
    EXPECT_TRUE(officeChildren().empty()) << "the office outlived the program";
  }
};

TEST_F(TypicalRun, PrintsPageOneOfSheetsTwoAndThreeTwiceEach) {
  const TestWorkbook& book = OfficeEnvironment::workbooks().threeSheets();
  desktop.dialogAnswers.push_back(book.file.string());
  std::vector<std::string> list;
  std::vector<LandedJob> jobs;
  desktop.script = [&](Form&) {
    TForm1& window = *Form1;
    window.ComboBox1.userSelectItem(0);
    window.SpeedButton1.userClick();
    list = window.ListBox1.items();
    jobs = printSheetsTwoToThreeTwice(window);
    window.BitBtn2.userClick();
  };
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
  EXPECT_EQ(list, (std::vector<std::string>{"File information",
                                            "Sheet №1 - Sheets name: Summary - Num pages: 1",
                                            "Sheet №2 - Sheets name: Totals - Num pages: 3",
                                            "Sheet №3 - Sheets name: Notes - Num pages: 2"}));
  ASSERT_NO_FATAL_FAILURE(expectSheetsTwoToThreeTwice(jobs));
  EXPECT_EQ(jobs[0].pages[0].find("Totals-2"), std::string::npos) << "only page 1 is printed";
}

TEST_F(TypicalRun, TheCloseBoxEndsTheProgramAndTheOfficeWithIt) {
  desktop.script = [&](Form& form) {
    EXPECT_EQ(officeChildren().size(), 1u) << "the office runs while the window is open";
    form.userClose();
  };
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
}

}  // namespace
}  // namespace quirevo::testing
