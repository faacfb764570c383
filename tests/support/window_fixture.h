#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "tests/support/fake_platform.h"
#include "tests/support/no_reference_left.h"
#include "ui/application.h"

namespace quirevo::testing {

// The main window on the headless platform with the recording stand-in behind
// "Excel.Application". Checks at the end that no reference to the stand-in is left.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override { form = std::make_unique<TForm1>(application, fake.platform); }

  // Runs the create handler as start-up does, then forgets its requests.
  void start() {
    form->create();
    standIn().clearLog();
  }

  // After a handler, only the session holds a reference.
  void expectOnlySessionReference() const {
    EXPECT_EQ(standIn().liveReferences(), spreadsheetSession().isEmpty() ? 0 : 1);
  }

  SpreadsheetStandIn& standIn() { return fake.standIn; }
  const SpreadsheetStandIn& standIn() const { return fake.standIn; }
  std::vector<ShownMessage>& messages() { return fake.desktop.messages; }
  TForm1& window() { return *form; }

  // Destroyed in reverse: the window, then the session, then the check that nothing is left.
  FakePlatform fake;
  NoReferenceLeft leakCheck{fake.standIn};
  SpreadsheetSessionLifetime session;
  Application application{fake.desktop};
  std::unique_ptr<TForm1> form;
};

inline ShownMessage errorBox(std::string text) {
  return {"Quirevo", std::move(text), MessageIcon::Error};
}

}  // namespace quirevo::testing
