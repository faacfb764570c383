#include "app/quirevo.h"

#include <gtest/gtest.h>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "tests/support/fake_platform.h"

namespace quirevo::testing {
namespace {

using Requests = std::vector<std::string>;

class ProgramRunTest : public ::testing::Test {
 protected:
  FakePlatform fake;
};

TEST_F(ProgramRunTest, CloseButtonEndsTheRunWithEveryReferenceReleasedBeforeTheApartment) {
  bool sawWindow = false;
  fake.desktop.script = [&](Form& form) {
    sawWindow = &form == Form1 && Form1->Panel1.caption() == "Office Laser";
    Form1->BitBtn2.userClick();
  };
  EXPECT_EQ(Quirevo(fake.platform), 0);
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(Form1, nullptr);
  EXPECT_TRUE(fake.standIn.quitRequested());
  EXPECT_EQ(fake.automation.apartmentsEntered, 1);
  EXPECT_EQ(fake.automation.apartmentsLeft, 1);
  EXPECT_EQ(fake.automation.referencesWhenApartmentLeft, 0);
  EXPECT_TRUE(spreadsheetSession().isEmpty());
}

TEST_F(ProgramRunTest, TheCloseBoxEndsTheRunWithoutClosingTheWorkbookOrQuitting) {
  fake.desktop.script = [](Form& form) { form.userClose(); };
  EXPECT_EQ(Quirevo(fake.platform), 0);
  EXPECT_FALSE(fake.standIn.quitRequested());
  EXPECT_EQ(fake.standIn.openWorkbooks(), Requests{""});
  EXPECT_EQ(fake.standIn.requests().back(), "method Add") << "nothing after start-up";
  EXPECT_EQ(fake.automation.referencesWhenApartmentLeft, 0);
}

TEST_F(ProgramRunTest, WithoutAPrinterTheWindowOpensAndCloseFailsUntilTheCloseBox) {
  fake.printers.printer.reset();
  bool closedByButton = true;
  fake.desktop.script = [&](Form& form) {
    Form1->BitBtn2.userClick();
    closedByButton = form.closed();
    form.userClose();
  };
  EXPECT_EQ(Quirevo(fake.platform), 0);
  EXPECT_TRUE(fake.desktop.ran) << "the window opens after a failed create handler";
  EXPECT_FALSE(closedByButton);
  EXPECT_EQ(fake.desktop.messages,
            (std::vector<ShownMessage>{
                {"Quirevo", "There is no default printer currently selected.", MessageIcon::Error},
                {"Quirevo", "Invalid variant operation.", MessageIcon::Error}}));
  EXPECT_EQ(fake.standIn.liveReferences(), 0);
}

TEST_F(ProgramRunTest, MessageBoxesAreCaptionedWithTheTitleOfTheExecutable) {
  fake.desktop.executable = "/opt/tools/PRINTBOOKS.EXE";
  fake.printers.printer.reset();
  Quirevo(fake.platform);
  ASSERT_EQ(fake.desktop.messages.size(), 1u);
  EXPECT_EQ(fake.desktop.messages[0].caption, "Printbooks");
}

TEST_F(ProgramRunTest, TheLoopGoesOnAfterEveryFailure) {
  fake.desktop.script = [&](Form&) {
    fake.standIn.failAt("Visible", "Busy");
    Form1->CheckBox1.userClick();
    Form1->CheckBox1.userClick();
    fake.standIn.clearFailures();
    Form1->CheckBox1.userClick();
  };
  EXPECT_EQ(Quirevo(fake.platform), 0);
  EXPECT_EQ(fake.desktop.messages.size(), 2u);
  EXPECT_TRUE(fake.standIn.visible());
}

}  // namespace
}  // namespace quirevo::testing
