#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/main_unit.h"
#include "tests/support/fake_platform.h"
#include "ui/application.h"
#include "workbook/spreadsheet_session.h"

namespace quirevo::testing {

// The main window on the headless platform with the recording stand-in behind
// "Excel.Application". Checks at the end that no reference to the stand-in is left.
class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    spreadsheetSession().clear();
    form = std::make_unique<TForm1>(application, fake.platform);
  }

  void TearDown() override {
    form.reset();
    spreadsheetSession().clear();
    EXPECT_EQ(standIn().liveReferences(), 0) << "references to the spreadsheet application leaked";
  }

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

  FakePlatform fake;
  Application application{fake.desktop};
  std::unique_ptr<TForm1> form;
};

inline ShownMessage errorBox(std::string text) {
  return {"Quirevo", std::move(text), MessageIcon::Error};
}

}  // namespace quirevo::testing
