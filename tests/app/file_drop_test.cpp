// A file dropped onto the window names it in the file field, as a user's edit would.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/request_lists.h"
#include "tests/support/window_fixture.h"

namespace quirevo::testing {
namespace {

struct DropRow {
  const char* name;
  std::string shownBefore;
  bool duringAnotherAction;
  std::string fieldAfter;
  Requests requests;
};

class FileDropTest : public WindowFixture, public ::testing::WithParamInterface<DropRow> {};

TEST_P(FileDropTest, NamesTheFileOnlyWhenTheNameChangesAndNoHandlerRuns) {
  standIn().addFile("/data/b.xlsx", {{{"Only"}}, {}});
  start();
  window().Edit1.userEdit(GetParam().shownBefore);
  standIn().clearLog();

  if (GetParam().duringAnotherAction) {
    window().runUserAction([&] { window().userDropFile("/data/b.xlsx"); });
  } else {
    window().userDropFile("/data/b.xlsx");
  }

  EXPECT_EQ(window().Edit1.text(), GetParam().fieldAfter);
  EXPECT_EQ(standIn().requests(), GetParam().requests);
  EXPECT_TRUE(messages().empty());
  expectOnlySessionReference();
}

INSTANTIATE_TEST_SUITE_P(
    Drops, FileDropTest,
    ::testing::Values(
        DropRow{"NamesTheDroppedFile",
                "",
                false,
                "/data/b.xlsx",
                {"get ActiveWorkbook", "method Close", "get Workbooks",
                 "method Open(Filename: string \"/data/b.xlsx\")"}},
        DropRow{"TheNameShownAlreadyChangesNothing", "/data/b.xlsx", false, "/data/b.xlsx", {}},
        DropRow{"IgnoredWhileAHandlerRuns", "", true, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo::testing
