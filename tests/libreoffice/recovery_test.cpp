// A supervised office: one that died, was killed during a request or stopped answering is replaced
// by the next request in the state the program relies on; the user can stop a request that hangs;
// nothing of any office outlives the program.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "app/main_unit.h"
#include "platform/libreoffice/leftovers.h"
#include "platform/libreoffice/private_folder.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/libreoffice/office_session.h"
#include "tests/libreoffice/office_window.h"
#include "tests/support/fake_platform.h"

namespace quirevo::testing {
namespace {

using Clock = std::chrono::steady_clock;

const TestWorkbook& threeSheets() {
  return OfficeEnvironment::workbooks().threeSheets();
}

pid_t theOffice() {
  const auto offices = officeChildren();
  if (offices.size() != 1) {
    throw std::runtime_error(std::to_string(offices.size()) + " offices instead of one");
  }
  return offices[0];
}

// Every test runs with a temporary folder of its own, which must be empty again at its end: the
// offices' profiles and pipes go with them, also those of offices that were killed.
class Recovery : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("TMPDIR");
    previousTemporary_ = previous != nullptr ? previous : "";
    setenv("TMPDIR", temporary_.path().c_str(), 1);
  }
  void TearDown() override {
    EXPECT_TRUE(officeChildren().empty()) << "an office process outlived its test";
    for (const auto& left : std::filesystem::directory_iterator(temporary_.path())) {
      if (left.path().filename() != office::kOwnerMark) {  // the folder's own
        ADD_FAILURE() << "left behind: " << left.path();
      }
    }
    if (previousTemporary_.empty()) {
      unsetenv("TMPDIR");
    } else {
      setenv("TMPDIR", previousTemporary_.c_str(), 1);
    }
  }

  // A copy of the three-sheet workbook that a test may remove.
  std::string copyOfThreeSheets() {
    const auto copy = OfficeEnvironment::workbooks().folder() / "copy of three sheets.xlsx";
    std::filesystem::copy_file(threeSheets().file, copy,
                               std::filesystem::copy_options::overwrite_existing);
    return copy.string();
  }

  const office::PrivateFolder temporary_;
  std::string previousTemporary_;
};

TEST_F(Recovery, AHangingRequestIsStoppedFromTheBusyDialogAndTheNextOneWorks) {
  const OfficeSession session;
  session.open(threeSheets().file.string());
  const LateBound pages = session.sheet(2).get("PageSetup").get("Pages");
  kill(theOffice(), SIGSTOP);  // hangs without dying
  session.wait.shown.clear();  // starting and opening may take long on a busy machine
  Clock::time_point stopped;
  session.wait.whenBusy = [&](const BusyWork& work) {
    stopped = Clock::now();
    work.stop();
  };

  EXPECT_EQ(failureOf([&] { pages.get("Count"); }),
            "LibreOffice was stopped while counting the pages of sheet \"Totals\"");
  EXPECT_LT(Clock::now() - stopped, std::chrono::seconds(1));
  EXPECT_EQ(session.wait.shown,
            std::vector<std::string>{"Counting the pages of sheet \"Totals\"\u2026"});

  session.wait.whenBusy = nullptr;
  EXPECT_EQ(pages.get("Count").value().toInt32(), 3) << "the same object, on a new office";
  EXPECT_EQ(session.sheetName(3), "Notes");
}

TEST_F(Recovery, TheWorkbooksAreOpenedAgainTheActiveOneActiveAndABlankOneBlank) {
  const OfficeSession session;
  session.open(threeSheets().file.string());
  session.add();
  session.open(OfficeEnvironment::workbooks().layoutsXlsx().file.string());
  const pid_t killed = theOffice();
  const auto pipe = pipeFileOf(killed);
  ASSERT_TRUE(std::filesystem::exists(pipe)) << pipe;
  killAndWaitForTheEnd(killed);

  EXPECT_EQ(session.sheetName(1), "Breaks") << "the active workbook";
  EXPECT_FALSE(std::filesystem::exists(pipe)) << "the dead office's pipe went with it";
  session.closeActive();
  EXPECT_EQ(session.sheetCount(), 1) << "the blank workbook";
  EXPECT_EQ(session.sheetName(1), "Sheet1");
  session.closeActive();
  EXPECT_EQ(session.sheetName(2), "Totals");
}

TEST_F(Recovery, AWorkbookWhoseFileIsGoneFailsTheRequestThatNeedsItNamingTheFile) {
  const OfficeSession session;
  const std::string file = copyOfThreeSheets();
  session.open(file);
  killAndWaitForTheEnd(theOffice());
  std::filesystem::remove(file);

  const std::string message = "Cannot open \"" + file + "\" again: the file does not exist";
  EXPECT_EQ(failureOf([&] { session.sheetCount(); }), message);
  EXPECT_EQ(failureOf([&] { session.sheetCount(); }), message) << "tried again, not forgotten";
  session.closeActive();  // what Edit1Change does before it opens the next file
  session.open(threeSheets().file.string());
  EXPECT_EQ(session.sheetCount(), 3);
}

// The installed office behind a script that first does what a test asks while a marker file
// exists: end at once, or take long to start.
OfficeOptions officeBehind(const std::filesystem::path& marker, const std::string& whileMarked) {
  const auto program = OfficeEnvironment::workbooks().folder() / "office" / "soffice.bin";
  std::filesystem::create_directories(program.parent_path());
  std::ofstream(program) << "#!/bin/sh\n[ -e '" << marker.string() << "' ] && " << whileMarked
                         << "\nexec /usr/lib/libreoffice/program/soffice.bin \"$@\"\n";
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  OfficeOptions options;
  options.program = program.string();
  return options;
}

TEST_F(Recovery, AnOfficeThatCannotBeStartedAgainFailsTheRequestAndTheNextTriesAgain) {
  const auto broken = temporary_.path() / "broken";
  const OfficeSession session(officeBehind(broken, "exit 3"));
  session.open(threeSheets().file.string());
  killAndWaitForTheEnd(theOffice());

  std::ofstream(broken).put('x');
  EXPECT_EQ(failureOf([&] { session.sheetCount(); }),
            "LibreOffice could not be started: it ended with exit status 3");
  std::filesystem::remove(broken);
  EXPECT_EQ(session.sheetCount(), 3);
}

TEST_F(Recovery, StartingANewOfficeCanBeStoppedAndTheNextRequestStartsOneAgain) {
  const auto slow = temporary_.path() / "slow";
  const OfficeSession session(officeBehind(slow, "while :; do sleep 0.1; done"));
  session.open(threeSheets().file.string());
  killAndWaitForTheEnd(theOffice());

  std::ofstream(slow).put('x');
  session.wait.shown.clear();
  session.wait.whenBusy = [](const BusyWork& work) { work.stop(); };
  EXPECT_EQ(failureOf([&] { session.sheetCount(); }),
            "LibreOffice was stopped while starting LibreOffice");
  EXPECT_EQ(session.wait.shown, std::vector<std::string>{"Starting LibreOffice\u2026"});
  EXPECT_TRUE(officeChildren().empty()) << "the office being started was ended";

  std::filesystem::remove(slow);
  session.wait.whenBusy = nullptr;
  EXPECT_EQ(session.sheetCount(), 3);
}

// The window as the user has it, LibreOffice behind "Excel.Application".
class WindowRecovery : public Recovery, protected QuirevoOnLibreOffice {};

TEST_F(WindowRecovery, KilledBetweenRequestsPrintLandsExactlyItsJobsWithoutAMessage) {
  std::vector<LandedJob> jobs;
  desktop.script = [&](Form&) {
    TForm1& window = *Form1;
    window.Edit1.userEdit(threeSheets().file.string());
    killAndWaitForTheEnd(theOffice());
    jobs = printSheetsTwoToThreeTwice(window);
    window.BitBtn2.userClick();
  };
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
  ASSERT_NO_FATAL_FAILURE(expectSheetsTwoToThreeTwice(jobs));
}

// Close after the office died quits at once: no office is started only to be ended.
TEST_F(WindowRecovery, CloseAfterTheOfficeDiedStartsNoNewOne) {
  std::size_t officesSeen = 0;
  bool closed = false;
  desktop.script = [&](Form& form) {
    TForm1& window = *Form1;
    window.Edit1.userEdit(threeSheets().file.string());
    const pid_t killed = theOffice();
    killAndWaitForTheEnd(killed);
    // The killed one may still be there, ended but not yet reaped; any other is a new office.
    wait.whenWaiting = [&] {
      const auto offices = officeChildren();
      officesSeen = std::max<std::size_t>(
          officesSeen, std::count_if(offices.begin(), offices.end(),
                                     [&](pid_t office) { return office != killed; }));
    };
    wait.shown.clear();  // starting the first office may have taken long enough
    window.BitBtn2.userClick();
    closed = form.closed();
  };
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(closed) << "Close ended the program";
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
  EXPECT_EQ(officesSeen, 0u) << "no office process while Close ran";
  EXPECT_EQ(wait.shown, std::vector<std::string>{}) << "nothing long enough for the busy dialog";
}

TEST_F(WindowRecovery, KilledDuringAListingOneMessageThenTheNextChangeListsTheWorkbook) {
  const std::string copy = copyOfThreeSheets();
  std::vector<ShownMessage> afterTheKill;
  std::vector<std::string> list;
  desktop.script = [&](Form&) {
    TForm1& window = *Form1;
    window.ComboBox1.userSelectItem(0);
    desktop.messages.clear();  // the captions' language files play no part here
    // A request well inside the listing finds the office hung, and the user kills it.
    const int listing = wait.waits;
    wait.whenWaiting = [&] {
      if (wait.waits == listing + 10) {
        kill(theOffice(), SIGSTOP);
      }
    };
    wait.whenBusy = [&](const BusyWork&) { kill(theOffice(), SIGKILL); };
    window.Edit1.userEdit(threeSheets().file.string());
    afterTheKill = desktop.messages;
    wait.whenWaiting = nullptr;
    wait.whenBusy = nullptr;
    window.Edit1.userEdit(copy);
    list = window.ListBox1.items();
    window.BitBtn2.userClick();
  };
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(afterTheKill.size(), 1u);
  EXPECT_EQ(afterTheKill[0].text, "LibreOffice ended unexpectedly (signal 9)");
  EXPECT_EQ(desktop.messages, afterTheKill) << "no message after the one";
  EXPECT_EQ(list, (std::vector<std::string>{"File information",
                                            "Sheet №1 - Sheets name: Summary - Num pages: 1",
                                            "Sheet №2 - Sheets name: Totals - Num pages: 3",
                                            "Sheet №3 - Sheets name: Notes - Num pages: 2"}));
}

}  // namespace
}  // namespace quirevo::testing
