#include "tests/supervision/supervised_window.h"

namespace quirevo::testing {

namespace {

WorkbookContent sheets(std::vector<std::pair<std::string, int>> pages) {
  WorkbookContent content;
  for (const auto& [name, count] : pages) {
    content.sheets.push_back({name, Variant::integer(count)});
  }
  return content;
}

}  // namespace

SupervisedWindow::SupervisedWindow() {
  launcher.prepare = [](SpreadsheetStandIn& standIn) {
    standIn.addFile(kBook, sheets({{"Alpha", 2}, {"Beta", 3}}));
    standIn.addFile(kOther, sheets({{"Gamma", 1}}));
  };
  form = std::make_unique<TForm1>(application, platform);
}

SupervisedWindow::~SupervisedWindow() {
  form.reset();
  spreadsheetSession().clear();
  for (std::size_t run = 0; run < launcher.starts(); ++run) {
    EXPECT_EQ(launcher.run(run).liveReferences(), 0) << "run " << run << " leaked references";
  }
}

void SupervisedWindow::startWithBook() {
  window().create();
  window().ComboBox1.userSelectItem(0);
  fake.desktop.messages.clear();  // the captions' language files play no part here
  window().Edit1.userEdit(kBook);
  ASSERT_EQ(messageTexts(), std::vector<std::string>{});
  latestRequests();
}

std::vector<std::string> SupervisedWindow::latestRequests() {
  auto& standIn = launcher.run(launcher.starts() - 1);
  auto requests = standIn.requests();
  standIn.clearLog();
  return requests;
}

std::vector<std::string> SupervisedWindow::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& message : fake.desktop.messages) {
    texts.push_back(message.text);
  }
  return texts;
}

}  // namespace quirevo::testing
