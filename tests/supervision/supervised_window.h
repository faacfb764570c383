#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "tests/support/fake_platform.h"
#include "tests/support/plain_wait.h"
#include "tests/support/stand_in_launcher.h"
#include "tests/support/supervised_automation.h"
#include "ui/application.h"

namespace quirevo::testing {

// The main window on the headless platform with a supervised stand-in behind
// "Excel.Application", whose workbook "/books/Book.xlsx" has two sheets of 2 and 3 pages, and
// "/books/Other.xlsx" one of 1 page.
// Every run's references are checked at the end.
class SupervisedWindow : public ::testing::Test {
 public:
  static constexpr const char* kBook = "/books/Book.xlsx";
  static constexpr const char* kOther = "/books/Other.xlsx";

 protected:
  SupervisedWindow();
  ~SupervisedWindow() override;

  // Starts the window, picks English for the list and opens the workbook.
  void startWithBook();
  // What the latest run has received, and forgets it.
  std::vector<std::string> latestRequests();
  std::vector<std::string> messageTexts() const;

  TForm1& window() { return *form; }

  // Destroyed in reverse: the window, the session (and with it the supervision), the launcher.
  StandInLauncher launcher;
  PlainWait wait;
  SupervisedAutomation automation{launcher, wait};
  FakePlatform fake;
  Platform platform{automation, fake.printers, fake.desktop, fake.xml.get()};
  SpreadsheetSessionLifetime session;
  Application application{fake.desktop};
  std::unique_ptr<TForm1> form;
};

}  // namespace quirevo::testing
