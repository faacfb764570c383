// The office's life: it ends with Quit and with the application object, and one that died is
// replaced by the next request.
#include <gtest/gtest.h>

#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/libreoffice/office_session.h"

namespace quirevo::testing {
namespace {

class OfficeLife : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(officeChildren().empty()) << "an office process outlived its test";
  }
};

TEST_F(OfficeLife, TheComponentStartsOneOfficeOfItsOwn) {
  const OfficeSession session;
  EXPECT_EQ(officeChildren().size(), 1u);
  session.add();
  EXPECT_EQ(session.sheetCount(), 1);
}

TEST_F(OfficeLife, QuitEndsTheOfficeBeforeItReturns) {
  const OfficeSession session;
  session.add();
  session.quit();
  EXPECT_TRUE(officeChildren().empty());
  EXPECT_EQ(failureOf([&] { session.sheetCount(); }), "LibreOffice has quit");
  EXPECT_EQ(failureOf([&] { session.quit(); }), "LibreOffice has quit");
}

TEST_F(OfficeLife, ReleasingTheApplicationEndsTheOfficeWhateverElseIsHeld) {
  OfficeSession session;
  session.open(OfficeEnvironment::workbooks().threeSheets().file.string());
  const LateBound sheets = late(session.application()).get("Sheets");
  session.release();
  EXPECT_TRUE(officeChildren().empty());
  EXPECT_EQ(failureOf([&] { sheets.get("count"); }), "LibreOffice has quit");
}

TEST_F(OfficeLife, AnOfficeThatDiedBetweenRequestsIsReplacedByTheNextOneWithoutAMessage) {
  const OfficeSession session;
  session.open(OfficeEnvironment::workbooks().threeSheets().file.string());
  const LateBound sheet = session.sheet(2);
  const auto offices = officeChildren();
  ASSERT_EQ(offices.size(), 1u);
  killAndWaitForTheEnd(offices[0]);

  EXPECT_EQ(sheet.get("name").value().toText(), "Totals") << "a sheet fetched before the death";
  EXPECT_EQ(session.sheetCount(), 3);
  const auto replaced = officeChildren();
  ASSERT_EQ(replaced.size(), 1u);
  EXPECT_NE(replaced[0], offices[0]);
  session.quit();
}

}  // namespace
}  // namespace quirevo::testing
