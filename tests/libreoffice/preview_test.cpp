// "Preview" on a display (the suite runs under scripts/with-display): checking it shows the
// office's window with the workbook, unchecking hides it again.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "app/main_unit.h"
#include "app/quirevo.h"
#include "platform/libreoffice/libreoffice_application.h"
#include "platform/registry/component_registry.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/support/fake_platform.h"

namespace quirevo::testing {
namespace {

// Standard output of a command that may fail: a window listed a moment ago can be gone by the
// time it is asked about.
std::string outputOrNothing(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
      output.append(buffer, read);
    }
    pclose(pipe);
  }
  return output;
}

// Whether a window whose title holds the text is mapped and viewable on the display.
bool windowShown(const std::string& title) {
  std::istringstream tree(commandOutput("xwininfo -root -tree"));
  for (std::string line; std::getline(tree, line);) {
    const auto id = line.find("0x");
    if (line.find(title) == std::string::npos || id == std::string::npos) {
      continue;
    }
    const std::string window = line.substr(id, line.find(' ', id) - id);
    if (outputOrNothing("xwininfo -id " + window).find("Map State: IsViewable") !=
        std::string::npos) {
      return true;
    }
  }
  return false;
}

// Windows are mapped and unmapped by the display server some time after the request.
bool becomes(bool shown, const std::string& title) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (windowShown(title) != shown) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

TEST(Preview, ShowsTheOfficeWindowWithTheWorkbookAndHidesItAgain) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-display";
  ComponentRegistry components;
  components.add("Excel.Application", [] { return createLibreOfficeApplication(); });
  FakePrinters printers;
  printers.printer = PrintServer::kPrinter;
  FakeDesktop desktop;
  const auto xml = makeTestXmlParser();
  const std::string title = OfficeEnvironment::workbooks().threeSheets().file.filename().string();
  desktop.dialogAnswers.push_back(OfficeEnvironment::workbooks().threeSheets().file.string());
  desktop.script = [&](Form&) {
    Form1->SpeedButton1.userClick();
    EXPECT_TRUE(becomes(false, title)) << "the workbook opens hidden";
    Form1->CheckBox1.userClick();
    EXPECT_TRUE(becomes(true, title)) << "checking Preview shows it";
    Form1->CheckBox1.userClick();
    EXPECT_TRUE(becomes(false, title)) << "unchecking hides it";
    Form1->BitBtn2.userClick();
  };
  Platform platform{components, printers, desktop, xml.get()};
  EXPECT_EQ(Quirevo(platform), 0);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
  EXPECT_TRUE(officeChildren().empty());
}

}  // namespace
}  // namespace quirevo::testing
