// The office's life: it ends with Quit and with the application object, and its death is
// reported by the request that meets it, never waited for.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>

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

TEST_F(OfficeLife, AnOfficeThatDiesIsReportedByTheNextRequestEveryTime) {
  const OfficeSession session;
  session.open(OfficeEnvironment::workbooks().threeSheets().file.string());
  const LateBound sheet = session.sheet(2);
  const auto offices = officeChildren();
  ASSERT_EQ(offices.size(), 1u);
  kill(offices[0], SIGKILL);

  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(failureOf([&] { sheet.get("name"); }), "LibreOffice ended unexpectedly (signal 9)");
  EXPECT_EQ(failureOf([&] { session.sheetCount(); }), "LibreOffice ended unexpectedly (signal 9)");
  EXPECT_EQ(failureOf([&] { session.quit(); }), "LibreOffice ended unexpectedly (signal 9)");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

}  // namespace
}  // namespace quirevo::testing
