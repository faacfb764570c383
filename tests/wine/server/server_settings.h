#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/support/spreadsheet_stand_in.h"

namespace quirevo::testing {

struct InjectedFailure {
  std::string member;
  std::string description;
  int skip = 0;
  int times = 0;
};

// How a call the server takes can end the server instead of being answered.
enum class CallEnding { Hang, Die };

struct PlannedEnding {
  CallEnding ending = CallEnding::Hang;
  std::string member;  // lower case
  int skip = 0;
};

// What one run of the test server serves, as the scenario wrote it: one directive a line,
//   log PATH                          where the request log goes
//   workbook PATH                     a file that Workbooks.Open finds; its sheets follow
//   sheet PAGES NAME                  a sheet of the last workbook, with its page count
//   fail MEMBER SKIP TIMES DESCRIPTION   failAt() of the stand-in
//   busy MEMBER CALLS                 the first CALLS invocations of MEMBER are rejected as busy
//   hang MEMBER SKIP                  the (SKIP+1)-th call of MEMBER taken (busy rejections do
//                                     not count) is logged "-> hanging" and never returns
//   die MEMBER SKIP                   likewise, logged "-> dying", and the server's process ends
//                                     at once, as a crashed application's would
// Members are matched without regard to case. hang and die are meant for the out-of-process
// server: in process they hang or end the program that loaded it.
struct ServerSettings {
  std::string logPath;
  std::vector<std::pair<std::string, WorkbookContent>> workbooks;
  std::vector<InjectedFailure> failures;
  std::map<std::string, int> busyCalls;  // lower-case member names
  std::vector<PlannedEnding> endings;
};

// Throws std::runtime_error naming the line that cannot be read.
ServerSettings parseServerSettings(const std::string& text);
ServerSettings readServerSettings(const std::wstring& path);

}  // namespace quirevo::testing
