// Starting an office that does not behave: each must fail in bounded time with its own message
// and leave no process behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/libreoffice/office.h"
#include "platform/libreoffice/private_folder.h"
#include "tests/libreoffice/office_processes.h"

namespace quirevo::office {
namespace {

using testing::officeChildren;

class OfficeStart : public ::testing::Test {
 protected:
  void TearDown() override {
    EXPECT_TRUE(officeChildren().empty()) << "an office process was left behind";
  }

  // A stand-in office program; named like the real one so that leftovers are found.
  std::string program(const std::string& script) {
    const auto path = folder_.path() / "soffice.bin";
    std::ofstream(path) << "#!/bin/sh\n" << script << "\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path.string();
  }

  std::string startFailure(const OfficeOptions& options) {
    try {
      Office office(options);
    } catch (const AutomationError& error) {
      return error.what();
    }
    return "started";
  }

  const PrivateFolder folder_;
};

TEST_F(OfficeStart, FailsWhenTheProgramIsMissing) {
  OfficeOptions options;
  options.program = (folder_.path() / "missing" / "soffice.bin").string();
  EXPECT_EQ(startFailure(options),
            "LibreOffice is not installed: " + options.program + " cannot be run");
}

TEST_F(OfficeStart, ReportsHowAnOfficeEndedThatEndsAtOnce) {
  OfficeOptions options;
  options.program = program("exit 3");
  EXPECT_EQ(startFailure(options), "LibreOffice could not be started: it ended with exit status 3");
}

TEST_F(OfficeStart, ReportsAnOfficeKilledWhileStarting) {
  OfficeOptions options;
  options.program = program("kill -9 $$");
  EXPECT_EQ(startFailure(options), "LibreOffice could not be started: it ended with signal 9");
}

TEST_F(OfficeStart, StartsAgainWhenAskedButOnlyAFewTimes) {
  OfficeOptions options;
  const auto starts = folder_.path() / "starts";
  options.program = program("echo started >> '" + starts.string() + "'; exit 81");
  EXPECT_EQ(startFailure(options),
            "LibreOffice could not be started: it ended with exit status 81");
  std::ifstream file(starts);
  int count = 0;
  for (std::string line; std::getline(file, line);) {
    ++count;
  }
  EXPECT_EQ(count, 4) << "the first start and three more";
}

TEST_F(OfficeStart, GivesUpOnAnOfficeThatNeverAnswersAndEndsIt) {
  OfficeOptions options;
  options.program = program("exec sleep 600");
  options.startTimeout = std::chrono::milliseconds(1000);
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(startFailure(options),
            "LibreOffice could not be started: it did not answer within 1 second");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

TEST_F(OfficeStart, GetsItsOwnProfileAndPipeAndNoWindowWithoutADisplay) {
  OfficeOptions options;
  const auto arguments = folder_.path() / "arguments";
  options.program =
      program("for a in \"$@\"; do echo \"$a\"; done > '" + arguments.string() + "'; exit 3");
  unsetenv("DISPLAY");
  startFailure(options);
  std::ifstream file(arguments);
  std::vector<std::string> given;
  for (std::string line; std::getline(file, line);) {
    given.push_back(line);
  }
  ASSERT_EQ(given.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(given.begin(), given.begin() + 6),
            (std::vector<std::string>{"--invisible", "--norestore", "--nologo", "--nodefault",
                                      "--nolockcheck", "--headless"}));
  EXPECT_EQ(given[6].rfind("-env:UserInstallation=file:///", 0), 0u) << given[6];
  EXPECT_EQ(given[7].rfind("--accept=pipe,name=quirevo-office.", 0), 0u) << given[7];
}

}  // namespace
}  // namespace quirevo::office
