#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/platform.h"
#include "platform/automation_factory.h"
#include "platform/printer_list.h"
#include "platform/xml_parser.h"
#include "tests/support/spreadsheet_stand_in.h"
#include "ui/toolkit.h"

namespace quirevo::testing {

struct ShownMessage {
  std::string caption;
  std::string text;
  MessageIcon icon;
  bool operator==(const ShownMessage&) const = default;
};

// A desktop without a display: dialogs answer from a queue, message boxes are recorded, text is
// measured at a fixed width per character, and the event loop runs a test's script.
class FakeDesktop : public Toolkit {
 public:
  static constexpr int kCharacterWidth = 6;

  std::optional<std::string> showOpenDialog(const OpenFileRequest& request) override;
  void showMessageBox(std::string_view caption, std::string_view text, MessageIcon icon) override;
  void beep() override { ++beeps; }
  Size measureText(std::string_view text, const Font& font) const override;
  char32_t decimalSeparator() const override { return separator; }
  std::string executablePath() const override { return executable; }
  // Runs the script, then, if it left the window open, closes it as the close box would.
  void run(Form& mainForm) override;

  std::deque<std::optional<std::string>> dialogAnswers;  // nothing = cancel
  std::vector<OpenFileRequest> dialogRequests;
  std::vector<ShownMessage> messages;
  int beeps = 0;
  char32_t separator = U'.';
  std::string executable = "C:\\Program Files\\Quirevo\\Quirevo.exe";
  std::function<void(Form&)> script;
  bool ran = false;
};

class FakePrinters : public PrinterList {
 public:
  std::optional<std::string> currentPrinterName() override { return printer; }
  std::optional<std::string> printer = "Office Laser";
};

// Creates "Excel.Application" as the stand-in; records when the apartment ends and how many
// references to the stand-in were alive then.
class FakeAutomation : public AutomationFactory {
 public:
  explicit FakeAutomation(SpreadsheetStandIn& standIn) : standIn_(standIn) {}

  std::unique_ptr<AutomationApartment> enterApartment() override;
  DispatchPtr createObject(std::string_view progId) override;

  std::string registeredProgId = "Excel.Application";
  std::vector<std::string> created;
  int apartmentsEntered = 0;
  int apartmentsLeft = 0;
  std::optional<long> referencesWhenApartmentLeft;

 private:
  SpreadsheetStandIn& standIn_;
};

// The XML parser of the platform the tests run on: the real one, since language files are
// plain files that tests write into a temporary working directory.
std::unique_ptr<XmlParser> makeTestXmlParser();

// Everything a headless run needs, wired into one Platform.
struct FakePlatform {
  SpreadsheetStandIn standIn;
  FakeDesktop desktop;
  FakePrinters printers;
  FakeAutomation automation{standIn};
  std::unique_ptr<XmlParser> xml = makeTestXmlParser();
  Platform platform{automation, printers, desktop, xml.get()};
};

}  // namespace quirevo::testing
