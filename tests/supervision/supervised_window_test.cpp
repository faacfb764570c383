// The window with a spreadsheet application that hangs, dies or is stopped: one message for the
// request that was under way, a new application brought back to the window's state at the next
// request, and in a run where nothing goes wrong exactly the requests of an unsupervised one.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "automation/late_binding.h"
#include "tests/supervision/supervised_window.h"
#include "tests/support/request_lists.h"
#include "tests/support/window_fixture.h"

namespace quirevo::testing {
namespace {

using Texts = std::vector<std::string>;
using Action = std::function<void(TForm1&)>;

constexpr const char* kBook = SupervisedWindow::kBook;
constexpr const char* kOther = SupervisedWindow::kOther;

Requests opening(const std::string& file) {
  return {"get Workbooks", "method Open(Filename: string \"" + file + "\")"};
}

// What a new application is told before the request that needed it.
Requests restored(bool visible, const std::string& file) {
  return join({{"put DisplayAlerts(bool false)",
                std::string("put Visible(bool ") + (visible ? "true" : "false") + ")"},
               opening(file)});
}

Requests listing(const std::vector<int>& pages) {
  Requests all = {"get Sheets", "get count"};
  for (std::size_t i = 1; i <= pages.size(); ++i) {
    const std::string item = "indexed get Item(int " + std::to_string(i) + ")";
    all = join({all,
                {"get Sheets", item, "get name", "get Sheets", item, "get PageSetup", "get Pages",
                 "get Count"}});
  }
  return all;
}

Requests reopening(const std::string& opened) {
  return join({{"get ActiveWorkbook", "method Close"}, opening(opened)});
}

// Sheet mode's default: every sheet, page 1, one copy.
Requests printingEverySheet(int sheets) {
  Requests all = {"get Sheets", "get count"};
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    all = join({all,
                {"get Sheets", "indexed get Item(int& " + std::to_string(sheet) + ")",
                 "method PrintOut(int 1, int& 1, int& 1, bool false, string& \"Office Laser\", "
                 "bool false, bool false)"}});
  }
  return all;
}

void press(TForm1& w) {
  w.BitBtn1.userClick();
}

void openOther(TForm1& w) {
  w.Edit1.userEdit(kOther);
}

// The other workbook typed afresh, whatever the field held.
void openOtherAfresh(TForm1& w) {
  w.Edit1.userEdit("");
  w.Edit1.userEdit(kOther);
}

void preview(TForm1& w) {
  w.CheckBox1.userClick();
}

class Supervision : public SupervisedWindow {};

// The same run without supervision, against one stand-in: what the window sent, call for call.
TEST_F(Supervision, ANormalRunSendsExactlyTheRequestsOfAnUnsupervisedOne) {
  const auto script = [](TForm1& w) {
    w.create();
    w.ComboBox1.userSelectItem(0);
    w.Edit1.userEdit(kBook);
    w.CheckBox1.userClick();
    w.CheckBox1.userClick();
    w.RadioButton2.userClick();
    w.RadioButton11.userClick();
    w.BitBtn1.userClick();
    w.Edit1.userEdit(kOther);
    w.BitBtn2.userClick();
  };
  Requests unsupervised;
  {
    form.reset();
    FakePlatform direct;
    launcher.prepare(direct.standIn);
    {
      const SpreadsheetSessionLifetime directSession;
      Application directApplication{direct.desktop};
      TForm1 w(directApplication, direct.platform);
      script(w);
    }
    unsupervised = direct.standIn.requests();
    form = std::make_unique<TForm1>(application, platform);
  }
  script(window());
  EXPECT_EQ(launcher.starts(), 1u);
  EXPECT_EQ(latestRequests(), unsupervised);
  EXPECT_GT(unsupervised.size(), 30u);
  EXPECT_TRUE(wait.shown.empty()) << "no request outlived the busy dialog's delay";
}

// An application that went away between two requests is replaced by the next one, silently, in
// the state the window left the old one in.
struct Replacement {
  const char* name;
  Action before;  // after the workbook was opened, before the application goes
  Action after;
  Requests received;  // by the new application
  Texts list;         // the list afterwards, when the action rebuilds it
};

void PrintTo(const Replacement& row, std::ostream* os) {
  *os << row.name;
}

class Replaced : public SupervisedWindow, public ::testing::WithParamInterface<Replacement> {};

TEST_P(Replaced, ByANewApplicationInTheSameStateWithoutAMessage) {
  const Replacement& row = GetParam();
  startWithBook();
  row.before(window());
  latestRequests();
  launcher.kill();
  row.after(window());
  EXPECT_EQ(messageTexts(), Texts{});
  EXPECT_EQ(launcher.starts(), 2u);
  EXPECT_EQ(launcher.alive(), 1);
  EXPECT_EQ(latestRequests(), row.received);
  if (!row.list.empty()) {
    EXPECT_EQ(window().ListBox1.items(), row.list);
  }
}

const Replacement kReplacements[] = {
    {"PrintAfterTheWorkbookWasOpened",
     [](TForm1&) {},
     press,
     join({restored(false, kBook), printingEverySheet(2)}),
     {}},
    {"ListingAnotherWorkbook",
     [](TForm1&) {},
     openOther,
     join({restored(false, kBook), reopening(kOther), listing({1})}),
     {"File information", "Sheet №1 - Sheets name: Gamma - Num pages: 1"}},
    {"PreviewStaysShown", preview, press, join({restored(true, kBook), printingEverySheet(2)}), {}},
    {"PreviewHiddenAgain",
     preview,
     preview,
     join({restored(true, kBook), {"put Visible(bool false)"}}),
     {}},
};
INSTANTIATE_TEST_SUITE_P(Supervision, Replaced, ::testing::ValuesIn(kReplacements),
                         [](const auto& info) { return std::string(info.param.name); });

// A death at each kind of request: that request fails with one message, and the next action
// works on a new application holding what the old one held before it.
struct Death {
  const char* name;
  Mishap mishap;
  Action action;
  std::string message;
  Requests receivedNext;  // by the new application at the next action (Print, or as given)
  Action next = press;
};

void PrintTo(const Death& row, std::ostream* os) {
  *os << row.name;
}

class DiesDuring : public SupervisedWindow, public ::testing::WithParamInterface<Death> {};

TEST_P(DiesDuring, OneMessageThenTheNextActionWorksOnANewApplication) {
  const Death& row = GetParam();
  startWithBook();
  launcher.currentRunMeets(row.mishap);
  row.action(window());
  EXPECT_EQ(messageTexts(), Texts{row.message});
  fake.desktop.messages.clear();
  row.next(window());
  EXPECT_EQ(messageTexts(), Texts{});
  EXPECT_EQ(launcher.starts(), 2u);
  EXPECT_EQ(launcher.alive(), 1);
  EXPECT_EQ(latestRequests(), row.receivedNext);
}

const Death kDeaths[] = {
    {"Close",
     {Mishap::Kind::Dies, "Close"},
     openOther,
     "Excel ended unexpectedly while closing \"Book.xlsx\"",
     join({restored(false, kBook), printingEverySheet(2)})},
    {"Open",
     {Mishap::Kind::Dies, "Open"},
     openOther,
     "Excel ended unexpectedly while opening \"Other.xlsx\"",
     // The old workbook was closed and the other never opened: the new one holds none, and
     // the workbook is named again.
     join({{"put DisplayAlerts(bool false)", "put Visible(bool false)", "get ActiveWorkbook"},
           opening(kBook),
           listing({2, 3})}),
     [](TForm1& w) { w.Edit1.userEdit(kBook); }},
    {"SheetCount",
     {Mishap::Kind::Dies, "count"},
     press,
     "Excel ended unexpectedly while counting the sheets of \"Book.xlsx\"",
     join({restored(false, kBook), printingEverySheet(2)})},
    {"SheetItem",
     {Mishap::Kind::Dies, "Item", 1},
     press,
     "Excel ended unexpectedly while finding sheet 2 of \"Book.xlsx\"",
     join({restored(false, kBook), printingEverySheet(2)})},
    {"SheetName",
     {Mishap::Kind::Dies, "name"},
     openOther,
     "Excel ended unexpectedly while reading the name of sheet 1.",
     join({restored(false, kOther), printingEverySheet(1)})},
    {"PageCount",
     {Mishap::Kind::Dies, "Count", 1},  // after the sheets' count
     openOther,
     "Excel ended unexpectedly while counting the pages of sheet 1.",
     join({restored(false, kOther), printingEverySheet(1)})},
    {"PrintOut",
     {Mishap::Kind::Dies, "PrintOut", 1},
     press,
     "Excel ended unexpectedly while printing sheet 2, pages 1 to 1.",
     join({restored(false, kBook), printingEverySheet(2)})},
    {"Preview",
     {Mishap::Kind::Dies, "Visible"},
     preview,
     "Excel ended unexpectedly while showing Excel's window.",
     join({restored(false, kBook), printingEverySheet(2)})},
};
INSTANTIATE_TEST_SUITE_P(Supervision, DiesDuring, ::testing::ValuesIn(kDeaths),
                         [](const auto& info) { return std::string(info.param.name); });

// A hung request: the busy dialog says what is being done; Stop ends the application, the request
// fails saying what was stopped, and the next one works on a new application.
struct Hang {
  const char* name;
  Mishap mishap;
  Action action;
  std::string sentence;
  std::string message;
};

void PrintTo(const Hang& row, std::ostream* os) {
  *os << row.name;
}

class Stopped : public SupervisedWindow, public ::testing::WithParamInterface<Hang> {};

TEST_P(Stopped, TheBusyDialogsStopEndsTheApplicationAndTheNextRequestStartsANewOne) {
  const Hang& row = GetParam();
  startWithBook();
  launcher.currentRunMeets(row.mishap);
  wait.whenBusy = [](const BusyWork& work) { work.stop(); };
  row.action(window());
  EXPECT_EQ(wait.shown, Texts{row.sentence});
  EXPECT_EQ(messageTexts(), Texts{row.message});
  EXPECT_EQ(launcher.alive(), 0) << "the stopped application is not left running";
  fake.desktop.messages.clear();
  wait.whenBusy = nullptr;
  openOtherAfresh(window());
  EXPECT_EQ(messageTexts(), Texts{});
  EXPECT_EQ(launcher.alive(), 1);
  EXPECT_EQ(window().ListBox1.items(),
            (Texts{"File information", "Sheet №1 - Sheets name: Gamma - Num pages: 1"}));
}

const Hang kHangs[] = {
    {"Open",
     {Mishap::Kind::Hangs, "Open"},
     openOther,
     "Opening \"Other.xlsx\"\u2026",
     "Excel was stopped while opening \"Other.xlsx\""},
    {"PrintOut",
     {Mishap::Kind::Hangs, "PrintOut"},
     press,
     "Printing sheet 1, pages 1 to 1\u2026",
     "Excel was stopped while printing sheet 1, pages 1 to 1."},
    {"PageCount",
     {Mishap::Kind::Hangs, "Count", 1},
     openOther,
     "Counting the pages of sheet 1\u2026",
     "Excel was stopped while counting the pages of sheet 1."},
};
INSTANTIATE_TEST_SUITE_P(Supervision, Stopped, ::testing::ValuesIn(kHangs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Supervision, AStopWhileANewApplicationStartsFailsTheRequestAndTheNextStartsAgain) {
  startWithBook();
  launcher.kill();
  launcher.nextRunMeets({Mishap::Kind::Hangs, "Open"});
  wait.whenBusy = [](const BusyWork& work) { work.stop(); };
  press(window());
  EXPECT_EQ(wait.shown, Texts{"Opening \"Book.xlsx\"\u2026"});
  EXPECT_EQ(messageTexts(), Texts{"Excel was stopped while opening \"Book.xlsx\""});
  fake.desktop.messages.clear();
  wait.whenBusy = nullptr;
  press(window());
  EXPECT_EQ(messageTexts(), Texts{});
  EXPECT_EQ(launcher.starts(), 3u);
  EXPECT_EQ(latestRequests(), join({restored(false, kBook), printingEverySheet(2)}));
}

TEST_F(Supervision, AWorkbookThatCannotBeOpenedAgainIsNamedAndForgotten) {
  startWithBook();
  launcher.prepare = [](SpreadsheetStandIn&) {};  // the file has gone meanwhile
  launcher.kill();
  press(window());
  EXPECT_EQ(messageTexts(), Texts{"Cannot open \"/books/Book.xlsx\" again: Sorry, we couldn't "
                                  "find /books/Book.xlsx. Is it possible it was moved, renamed or "
                                  "deleted?."});
  fake.desktop.messages.clear();
  press(window());
  EXPECT_EQ(messageTexts(), Texts{"No workbook is open."}) << "nothing else is printed instead";
  EXPECT_EQ(launcher.starts(), 2u);
}

TEST_F(Supervision, AFailedStartIsTheRequestsFailureAndTheNextRequestStartsAgain) {
  startWithBook();
  launcher.kill();
  launcher.failNextStart("Server execution failed");
  press(window());
  EXPECT_EQ(messageTexts(), Texts{"Server execution failed."});
  fake.desktop.messages.clear();
  press(window());
  EXPECT_EQ(messageTexts(), Texts{});
  EXPECT_EQ(latestRequests(), join({restored(false, kBook), printingEverySheet(2)}));
}

TEST_F(Supervision, AnApplicationThatCannotStartLeavesTheSessionEmpty) {
  launcher.failNextStart("Invalid class string");
  window().create();
  EXPECT_EQ(messageTexts(), Texts{"Invalid class string."});
  EXPECT_TRUE(spreadsheetSession().isEmpty());
}

TEST_F(Supervision, AfterQuitNoApplicationIsStartedAgain) {
  startWithBook();
  window().BitBtn2.userClick();
  EXPECT_TRUE(window().closed());
  launcher.kill();
  try {
    late(spreadsheetSession()).put("Visible", Variant::boolean(true));
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_STREQ(error.what(), "Excel has quit");
  }
  EXPECT_EQ(launcher.starts(), 1u);
}

}  // namespace
}  // namespace quirevo::testing
