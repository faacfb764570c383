// "quirevo list" and "quirevo print" as a shell runs them, against the real office and the private
// PDF printer: what they print, the jobs that land, their exit statuses, and what is left behind.
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/libreoffice/private_folder.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/libreoffice/print_server.h"
#include "tests/libreoffice/quirevo_process.h"

namespace quirevo::testing {
namespace {

using Lines = std::vector<std::string>;
using Strings = std::vector<std::string>;

Lines linesOf(const std::string& text) {
  Lines lines;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

// Each test runs in a folder of its own, where the workbooks are and the runs' TMPDIR is.
class CommandLine : public ::testing::Test {
 protected:
  CommandLine() {
    for (const char* copy : {"A.xlsx", "B.xlsx", "C.xlsx"}) {
      std::filesystem::copy_file(OfficeEnvironment::workbooks().threeSheets().file,
                                 folder.path() / copy);
    }
    std::filesystem::current_path(folder.path());
  }
  ~CommandLine() override { std::filesystem::current_path(previous); }

  // The run's own folder for its output and temporary files.
  std::filesystem::path runFolder() { return folder.path() / ("run" + std::to_string(++runs)); }
  Ended run(const Strings& arguments) { return runQuirevo(arguments, runFolder()); }

  // What landed since the test began; nothing when nothing did.
  std::vector<LandedJob> landed() const {
    return server.lastJob() == firstJob ? std::vector<LandedJob>{} : server.jobsAfter(firstJob);
  }

  // Nothing of an office is left: no process, no private folder in the runs' TMPDIR.
  void expectNothingLeft() {
    EXPECT_EQ(officesUsing(folder.path()), std::vector<pid_t>{}) << "an office was left running";
    for (int i = 1; i <= runs; ++i) {
      const auto tmp = folder.path() / ("run" + std::to_string(i)) / "tmp";
      if (std::filesystem::exists(tmp)) {
        EXPECT_TRUE(std::filesystem::is_empty(tmp)) << "left in " << tmp;
      }
    }
  }

  const std::filesystem::path previous = std::filesystem::current_path();
  const office::PrivateFolder folder;
  PrintServer& server = OfficeEnvironment::printServer();
  const int firstJob = server.lastJob();
  int runs = 0;
};

// Each job a line announced: its pages are those of the line's sheet, each copy after the other.
void expectJobsAsReported(const Lines& reported, const std::vector<LandedJob>& jobs) {
  ASSERT_EQ(jobs.size(), reported.size()) << "one job per reported request";
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    const std::string& line = reported[i];
    const auto quote = line.find('"');
    const std::string sheet = line.substr(quote + 1, line.find('"', quote + 1) - quote - 1);
    int first = 0;
    int last = 0;
    int copies = 0;
    const auto pages = line.find(", page");
    if (std::sscanf(line.c_str() + pages, ", pages %d-%d, %d", &first, &last, &copies) != 3) {
      ASSERT_EQ(std::sscanf(line.c_str() + pages, ", page %d, %d", &first, &copies), 2) << line;
      last = first;
    }
    ASSERT_EQ(jobs[i].pages.size(), static_cast<std::size_t>((last - first + 1) * copies)) << line;
    for (std::size_t page = 0; page < jobs[i].pages.size(); ++page) {
      const int number = first + static_cast<int>(page) % (last - first + 1);
      EXPECT_NE(jobs[i].pages[page].find(sheet + "-" + std::to_string(number)), std::string::npos)
          << line << ": page " << page + 1 << " of the job";
    }
  }
}

TEST_F(CommandLine, ListsTheSheetsOfEachWorkbookAsTheWindowDoes) {
  const Ended text = run({"list", "A.xlsx", "B.xlsx"});
  EXPECT_EQ(text.status, 0) << text.err;
  const Lines sheets = {"  Sheet №1 - Sheets name: Summary - Num pages: 1",
                        "  Sheet №2 - Sheets name: Totals - Num pages: 3",
                        "  Sheet №3 - Sheets name: Notes - Num pages: 2"};
  Lines expected = {"A.xlsx"};
  expected.insert(expected.end(), sheets.begin(), sheets.end());
  expected.push_back("B.xlsx");
  expected.insert(expected.end(), sheets.begin(), sheets.end());
  EXPECT_EQ(linesOf(text.out), expected);

  const Ended json = run({"list", "--json", "A.xlsx", "missing.xlsx"});
  EXPECT_EQ(json.status, 1);
  EXPECT_NE(json.out.find(R"("file": "A.xlsx",)"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find(R"("name": "Totals",)"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find(R"("file": "missing.xlsx",)"
                          "\n    \"error\": \"Cannot open"),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.err.find("quirevo: missing.xlsx: Cannot open"), std::string::npos) << json.err;
  EXPECT_TRUE(landed().empty()) << "listing prints nothing";
  expectNothingLeft();
}

struct PrintCase {
  const char* name;
  Strings arguments;
  Lines reported;
};

void PrintTo(const PrintCase& row, std::ostream* os) {
  *os << row.name;
}

class Printing : public CommandLine, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(Printing, LandsExactlyTheJobsItReports) {
  Strings arguments = {"print"};
  arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
  arguments.push_back("B.xlsx");
  const Ended printed = run(arguments);
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(printed.err, "") << "nothing but the results when standard error is no terminal";
  EXPECT_EQ(linesOf(printed.out), GetParam().reported);
  ASSERT_NO_FATAL_FAILURE(expectJobsAsReported(GetParam().reported, landed()));
  expectNothingLeft();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Printing,
    ::testing::Values(PrintCase{"OddSheetsEveryPage",
                                {"--sheets", "odd"},
                                {R"(B.xlsx: sheet 1 "Summary", page 1, 1 copy)",
                                 R"(B.xlsx: sheet 3 "Notes", pages 1-2, 1 copy)"}},
                      PrintCase{"SheetsTwoToThreePageOneTwice",
                                {"--sheets", "2-3", "--pages-per-sheet", "1", "--copies", "2"},
                                {R"(B.xlsx: sheet 2 "Totals", page 1, 2 copies)",
                                 R"(B.xlsx: sheet 3 "Notes", page 1, 2 copies)"}},
                      PrintCase{"EvenPagesOfSheetTwo",
                                {"--sheet", "2", "--pages", "even"},
                                {R"(B.xlsx: sheet 2 "Totals", page 2, 1 copy)"}},
                      PrintCase{"EveryPageOfEverySheetByDefault",
                                {},
                                {R"(B.xlsx: sheet 1 "Summary", page 1, 1 copy)",
                                 R"(B.xlsx: sheet 2 "Totals", pages 1-3, 1 copy)",
                                 R"(B.xlsx: sheet 3 "Notes", pages 1-2, 1 copy)"}}),
    [](const auto& info) { return std::string(info.param.name); });

// One office for the batch: never two at once, and one private folder (an office's first start
// with a fresh profile restarts it, in the same folder).
TEST_F(CommandLine, ABatchIsPrintedInOrderByOneOffice) {
  const auto folder = runFolder();
  QuirevoProcess batch(
      {"print", "--sheets", "2-3", "--pages-per-sheet", "1", "A.xlsx", "B.xlsx", "C.xlsx"}, folder);
  std::set<std::filesystem::path> offices;
  std::size_t atOnce = 0;
  while (batch.running()) {
    atOnce = std::max(atOnce, officesOf(batch.id()).size());
    for (const auto& entry : std::filesystem::directory_iterator(folder / "tmp")) {
      offices.insert(entry.path().filename());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const Ended printed = batch.finish();
  EXPECT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(atOnce, 1u);
  EXPECT_EQ(offices.size(), 1u) << "one office for the whole batch";
  Lines expected;
  for (const char* file : {"A.xlsx", "B.xlsx", "C.xlsx"}) {
    expected.push_back(std::string(file) + R"(: sheet 2 "Totals", page 1, 1 copy)");
    expected.push_back(std::string(file) + R"(: sheet 3 "Notes", page 1, 1 copy)");
  }
  EXPECT_EQ(linesOf(printed.out), expected);
  ASSERT_NO_FATAL_FAILURE(expectJobsAsReported(expected, landed()));
  expectNothingLeft();
}

TEST_F(CommandLine, ADryRunReportsThePlanAndLandsNothing) {
  const Ended plan = run({"print", "--dry-run", "--sheets", "even", "A.xlsx"});
  EXPECT_EQ(plan.status, 0) << plan.err;
  EXPECT_EQ(linesOf(plan.out), Lines{R"(A.xlsx: sheet 2 "Totals", pages 1-3, 1 copy)"});
  EXPECT_TRUE(landed().empty());
  expectNothingLeft();
}

// A workbook that cannot be opened, or a selection it cannot satisfy, is that workbook's error;
// the others are printed.
TEST_F(CommandLine, AWorkbooksFailureIsItsOwnAndTheOthersArePrinted) {
  const Ended printed = run({"print", "--sheet", "3", "--pages", "2", "missing.xlsx", "A.xlsx"});
  EXPECT_EQ(printed.status, 1);
  EXPECT_NE(printed.err.find("quirevo: missing.xlsx: Cannot open"), std::string::npos)
      << printed.err;
  EXPECT_EQ(linesOf(printed.out), Lines{R"(A.xlsx: sheet 3 "Notes", page 2, 1 copy)"});
  const Ended unsatisfied = run({"print", "--sheets", "5", "A.xlsx"});
  EXPECT_EQ(unsatisfied.status, 1);
  EXPECT_EQ(unsatisfied.err, "quirevo: A.xlsx: there is no sheet 5: the workbook has 3 sheets\n");
  EXPECT_EQ(unsatisfied.out, "");
  ASSERT_NO_FATAL_FAILURE(expectJobsAsReported(linesOf(printed.out), landed()));
  expectNothingLeft();
}

struct BadInput {
  const char* name;
  Strings arguments;
  const char* message;
};

void PrintTo(const BadInput& row, std::ostream* os) {
  *os << row.name;
}

class Refused : public CommandLine, public ::testing::WithParamInterface<BadInput> {};

TEST_P(Refused, NamesWhatIsWrongAndDoesNothing) {
  const Ended refused = run(GetParam().arguments);
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.err, std::string("quirevo: ") + GetParam().message +
                             "\nTry 'quirevo --help' for more information.\n");
  EXPECT_EQ(refused.out, "");
  EXPECT_TRUE(landed().empty());
  expectNothingLeft();
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, Refused,
    ::testing::Values(
        BadInput{"UnknownOption",
                 {"print", "--colour", "A.xlsx"},
                 "The following argument was not expected: --colour"},
        BadInput{"InvertedRange",
                 {"print", "--sheets", "5-2", "A.xlsx"},
                 R"(--sheets: "5-2" runs backwards: the range's end comes before its start)"},
        BadInput{"MalformedRange",
                 {"print", "--sheet", "1", "--pages", "2-", "A.xlsx"},
                 R"(--pages: "2-" is none of all, N, A-B, even, odd)"},
        BadInput{"ZeroCopies",
                 {"print", "--copies", "0", "A.xlsx"},
                 R"(--copies: "0" is not a number from 1 to 999)"},
        BadInput{"NegativePagesPerSheet",
                 {"print", "--pages-per-sheet", "-2", "A.xlsx"},
                 R"(--pages-per-sheet: "-2" is not a number from 1 to 999)"},
        BadInput{"PagesWithoutSheet",
                 {"print", "--pages", "odd", "A.xlsx"},
                 "--pages needs --sheet: the pages of which sheet?"},
        BadInput{"NoWorkbook", {"print", "--sheets", "odd"}, "print: no workbook named"},
        BadInput{"NoWorkbookToList", {"list", "--json"}, "list: no workbook named"}),
    [](const auto& info) { return std::string(info.param.name); });

// Ctrl+C in the middle of a batch: the page being printed is let finish, nothing after it is
// sent, the office and its folder go, and the run says where it stopped.
TEST_F(CommandLine, AnInterruptedBatchLeavesNothingAndLandsWhatItReported) {
  QuirevoProcess batch({"print", "A.xlsx", "B.xlsx", "C.xlsx"}, runFolder());
  while (batch.out().empty() && batch.running()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  batch.signal(SIGINT);
  const Ended interrupted = batch.finish();
  EXPECT_EQ(interrupted.status, 130) << interrupted.err;
  EXPECT_NE(interrupted.err.find("quirevo: interrupted while printing A.xlsx (file 1 of 3)"),
            std::string::npos)
      << interrupted.err;
  const Lines reported = linesOf(interrupted.out);
  EXPECT_LT(reported.size(), 9u) << "the batch was not printed to its end";
  ASSERT_NO_FATAL_FAILURE(expectJobsAsReported(reported, landed()));
  expectNothingLeft();
}

// The private folder a run made in the temporary folder, once it has made one.
std::filesystem::path privateFolderIn(const std::filesystem::path& temporary,
                                      const QuirevoProcess& run,
                                      const std::set<std::filesystem::path>& others = {}) {
  for (int tries = 0; tries < 1000 && run.running(); ++tries) {
    for (const auto& entry : std::filesystem::directory_iterator(temporary)) {
      if (others.count(entry.path()) == 0 && std::filesystem::exists(entry.path() / "owner")) {
        return entry.path();
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return {};
}

std::filesystem::path pipeOf(const std::filesystem::path& privateFolder) {
  return "/tmp/OSL_PIPE_" + std::to_string(getuid()) + "_" + privateFolder.filename().string();
}

// A run killed outright leaves its office's folder and pipe; the next run removes them, but not
// those of a run that still goes.
TEST_F(CommandLine, WhatAKilledRunLeftIsRemovedByTheNextAndARunningOnesIsKept) {
  const auto temporary = folder.path() / "shared-tmp";
  QuirevoProcess killed({"list", "A.xlsx", "B.xlsx", "C.xlsx"}, runFolder(), temporary);
  const auto leftover = privateFolderIn(temporary, killed);
  ASSERT_FALSE(leftover.empty());
  while (!std::filesystem::exists(pipeOf(leftover)) && killed.running()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  killed.signal(SIGKILL);
  killed.finish();
  ASSERT_TRUE(std::filesystem::exists(leftover)) << "killed, the run removed nothing";
  ASSERT_TRUE(std::filesystem::exists(pipeOf(leftover)));

  // A long batch, so that it still goes while the next run starts and ends.
  Strings batch = {"list"};
  for (int round = 0; round < 6; ++round) {
    batch.insert(batch.end(), {"A.xlsx", "B.xlsx", "C.xlsx"});
  }
  QuirevoProcess running(batch, runFolder(), temporary);
  const auto kept = privateFolderIn(temporary, running, {leftover});
  ASSERT_FALSE(kept.empty());
  const Ended next = QuirevoProcess({"list", "A.xlsx"}, runFolder(), temporary).finish();
  EXPECT_EQ(next.status, 0) << next.err;
  EXPECT_FALSE(std::filesystem::exists(leftover)) << "the killed run's folder is removed";
  EXPECT_FALSE(std::filesystem::exists(pipeOf(leftover))) << "and its pipe";
  ASSERT_TRUE(running.running()) << "the batch outlived the next run";
  EXPECT_TRUE(std::filesystem::exists(kept)) << "the folder of a run that still goes is kept";
  EXPECT_EQ(running.finish().status, 0);
  EXPECT_TRUE(std::filesystem::is_empty(temporary));
  expectNothingLeft();
}

}  // namespace
}  // namespace quirevo::testing
