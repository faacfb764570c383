#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/main_unit.h"
#include "app/quirevo.h"
#include "platform/registry/component_registry.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_session.h"
#include "tests/support/fake_platform.h"
#include "tests/support/plain_wait.h"

namespace quirevo::testing {

// Quirevo's window as the Linux program wires it, with LibreOffice behind "Excel.Application"
// waited for headlessly and the private print server's printer; the desktop is the test's.
class QuirevoOnLibreOffice {
 public:
  QuirevoOnLibreOffice() {
    serveLibreOffice(components, wait);
    printers.printer = PrintServer::kPrinter;
  }

  // The program's run, with the desktop's script as the user.
  int run() {
    Platform platform{components, printers, desktop, xml.get()};
    return Quirevo(platform);
  }

  // Declared first: the offices the components make use it until they go.
  PlainWait wait;
  ComponentRegistry components;
  FakePrinters printers;
  FakeDesktop desktop;
  std::unique_ptr<XmlParser> xml = makeTestXmlParser();
};

// The typical run's press of "Print": sheets 2 to 3 ("Print sheets from"), two copies, on the
// window's printer; the jobs it landed.
inline std::vector<LandedJob> printSheetsTwoToThreeTwice(TForm1& window) {
  window.RadioButton5.userClick();
  window.SpinEdit3.userEdit("2");
  window.SpinEdit2.userEdit("3");
  window.SpinEdit5.userEdit("2");
  const int before = OfficeEnvironment::printServer().lastJob();
  window.BitBtn1.userClick();
  return OfficeEnvironment::printServer().jobsAfter(before);
}

// What that press lands from the three-sheet workbook: one job per sheet, page 1 twice in each.
inline void expectSheetsTwoToThreeTwice(const std::vector<LandedJob>& jobs) {
  ASSERT_EQ(jobs.size(), 2u) << "one job per sheet";
  const std::pair<std::size_t, const char*> expected[] = {{0, "Totals-1"}, {1, "Notes-1"}};
  for (const auto& [job, text] : expected) {
    ASSERT_EQ(jobs[job].pages.size(), 2u) << "page 1, two copies";
    for (const std::string& page : jobs[job].pages) {
      EXPECT_NE(page.find(text), std::string::npos) << page;
    }
  }
}

}  // namespace quirevo::testing
