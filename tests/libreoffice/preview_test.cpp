// "Preview" on a display (the suite runs under scripts/with-display): unchecked, nothing of the
// office shows, however long a workbook loads; checking it shows the office's window with the
// workbook, unchecking hides it again; the window comes back after the
// office died or the user closed the workbook there, and the office never shows its Start Center.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include "app/main_unit.h"
#include "tests/libreoffice/office_environment.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/libreoffice/office_window.h"
#include "tests/libreoffice/test_workbooks.h"
#include "tests/support/fake_platform.h"
#include "ui/form.h"

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

// The office's own start window: shown where an office closes its last document by itself.
bool startCenterShown() {
  return commandOutput("xwininfo -root -tree").find("libreoffice-startcenter") != std::string::npos;
}

// The id of the first window whose title holds the text, or nothing.
std::string windowWithTitle(const std::string& title) {
  std::istringstream tree(commandOutput("xwininfo -root -tree"));
  for (std::string line; std::getline(tree, line);) {
    const auto id = line.find("0x");
    if (line.find(title) != std::string::npos && id != std::string::npos &&
        outputOrNothing("xwininfo -id " + line.substr(id, line.find(' ', id) - id))
                .find("Map State: IsViewable") != std::string::npos) {
      return line.substr(id, line.find(' ', id) - id);
    }
  }
  return "";
}

// The names of the windows shown on the display, as often as it can be asked, from the watch's
// start to its end: the test program itself shows none.
class ShownWindowsWatch {
 public:
  ShownWindowsWatch()
      : thread_([this] {
          while (!done_) {
            std::istringstream ids(outputOrNothing("xdotool search --onlyvisible --name ."));
            for (std::string id; ids >> id;) {
              std::string name = outputOrNothing("xdotool getwindowname " + id);
              std::lock_guard lock(mutex_);
              names_.insert(name.substr(0, name.find('\n')));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
          }
        }) {}
  ~ShownWindowsWatch() { end(); }
  ShownWindowsWatch(const ShownWindowsWatch&) = delete;
  ShownWindowsWatch& operator=(const ShownWindowsWatch&) = delete;

  std::set<std::string> end() {
    done_ = true;
    if (thread_.joinable()) {
      thread_.join();
    }
    std::lock_guard lock(mutex_);
    return names_;
  }

 private:
  std::atomic<bool> done_ = false;
  std::mutex mutex_;
  std::set<std::string> names_;
  std::thread thread_;
};

// A workbook the office takes seconds to load, "Preview" unchecked: neither the office's window
// nor its progress bar comes on the screen meanwhile, nor while it prints. Checked afterwards,
// the workbook shows.
TEST(Preview, NothingOfTheOfficeShowsWhileALargeWorkbookLoads) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-display";
  const auto file = OfficeEnvironment::workbooks().folder() / "large.xlsx";
  writeLargeSheet(file, 200'000);
  QuirevoOnLibreOffice quirevo;
  std::chrono::steady_clock::duration loading{};
  std::set<std::string> shown;
  std::size_t printed = 0;
  quirevo.desktop.script = [&](Form&) {
    ShownWindowsWatch watch;
    const auto start = std::chrono::steady_clock::now();
    Form1->Edit1.userEdit(file.string());
    loading = std::chrono::steady_clock::now() - start;
    const int before = OfficeEnvironment::printServer().lastJob();
    Form1->BitBtn1.userClick();  // the first page of the sheet
    printed = OfficeEnvironment::printServer().jobsAfter(before).size();
    shown = watch.end();
    Form1->CheckBox1.userClick();
    EXPECT_TRUE(becomes(true, file.filename().string())) << "checking Preview shows it";
    Form1->BitBtn2.userClick();
  };
  EXPECT_EQ(quirevo.run(), 0);
  EXPECT_EQ(quirevo.desktop.messages, std::vector<ShownMessage>{});
  EXPECT_GT(loading, std::chrono::seconds(1)) << "too fast a load to show anything";
  EXPECT_EQ(printed, 1u);
  EXPECT_EQ(shown, std::set<std::string>{});
}

TEST(Preview, ShowsTheOfficeWindowWithTheWorkbookAndHidesItAgain) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-display";
  QuirevoOnLibreOffice quirevo;
  FakeDesktop& desktop = quirevo.desktop;
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
  EXPECT_EQ(quirevo.run(), 0);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
  EXPECT_TRUE(officeChildren().empty());
}

// Quirevo's window with "Preview" checked on the three-sheet workbook; the test goes on from there.
class PreviewRecovery : public ::testing::Test, protected QuirevoOnLibreOffice {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under scripts/with-display";
    desktop.dialogAnswers.push_back(book().file.string());
  }
  void TearDown() override { EXPECT_TRUE(officeChildren().empty()); }

  static const TestWorkbook& book() { return OfficeEnvironment::workbooks().threeSheets(); }
  static std::string title() { return book().file.filename().string(); }

  // Runs the program: the workbook chosen, Preview checked, then the test's steps, then "Close".
  void runWithPreview(const std::function<void(TForm1&)>& steps) {
    desktop.script = [&](Form&) {
      Form1->SpeedButton1.userClick();
      Form1->CheckBox1.userClick();
      ASSERT_TRUE(becomes(true, title())) << "checking Preview shows the workbook";
      steps(*Form1);
      Form1->BitBtn2.userClick();
    };
    EXPECT_EQ(run(), 0);
  }

  // Print with the window as it starts: page 1 of every sheet.
  std::vector<LandedJob> print(TForm1& window) {
    const int before = OfficeEnvironment::printServer().lastJob();
    window.BitBtn1.userClick();
    return OfficeEnvironment::printServer().jobsAfter(before);
  }
};

TEST_F(PreviewRecovery, AfterTheOfficeDiedTheWorkbookIsShownAgain) {
  std::size_t jobs = 0;
  runWithPreview([&](TForm1& window) {
    const auto offices = officeChildren();
    ASSERT_EQ(offices.size(), 1u);
    killAndWaitForTheEnd(offices[0]);
    jobs = print(window).size();
    EXPECT_TRUE(becomes(true, title())) << "Preview was checked before the death";
  });
  EXPECT_EQ(jobs, 3u);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
}

TEST_F(PreviewRecovery, AWorkbookClosedInTheOfficesWindowIsOpenedAgainAndNoStartCenterComes) {
  std::size_t jobs = 0;
  bool startCenter = false;
  runWithPreview([&](TForm1& window) {
    const std::string office = windowWithTitle(title());
    ASSERT_FALSE(office.empty());
    commandOutput("xdotool windowfocus --sync " + office + " key ctrl+w");
    ASSERT_TRUE(becomes(false, title())) << "the user closed the workbook";
    for (int look = 0; look < 10 && !startCenter; ++look) {
      startCenter = startCenterShown();
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    jobs = print(window).size();
    EXPECT_TRUE(becomes(true, title())) << "opened again, and shown as Preview asks";
    startCenter = startCenter || startCenterShown();
  });
  EXPECT_FALSE(startCenter);
  EXPECT_EQ(jobs, 3u);
  EXPECT_EQ(desktop.messages, std::vector<ShownMessage>{});
}

}  // namespace
}  // namespace quirevo::testing
