#include "tests/supervision/supervised_window.h"

#include "supervision/supervised_object.h"

namespace quirevo::testing {

namespace {

// The launcher stays the test's: the supervision gets a launcher that passes everything on to it.
class BorrowedLauncher final : public supervision::ApplicationLauncher {
 public:
  explicit BorrowedLauncher(StandInLauncher& launcher) : launcher_(launcher) {}
  DispatchPtr start() override { return launcher_.start(); }
  bool running() override { return launcher_.running(); }
  void stop() override { launcher_.stop(); }
  bool showsDeath(const AutomationError& failure) override { return launcher_.showsDeath(failure); }

 private:
  StandInLauncher& launcher_;
};

WorkbookContent sheets(std::vector<std::pair<std::string, int>> pages) {
  WorkbookContent content;
  for (const auto& [name, count] : pages) {
    content.sheets.push_back({name, Variant::integer(count)});
  }
  return content;
}

}  // namespace

std::unique_ptr<AutomationApartment> SupervisedAutomation::enterApartment() {
  return std::make_unique<AutomationApartment>();
}

DispatchPtr SupervisedAutomation::createObject(std::string_view) {
  return supervision::superviseApplication(std::make_unique<BorrowedLauncher>(launcher_), wait_,
                                           "Excel");
}

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
