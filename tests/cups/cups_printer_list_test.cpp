#include "platform/cups/cups_printer_list.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

namespace quirevo {
namespace {

// One private CUPS server for the life of the object.
class PrivateCups {
 public:
  explicit PrivateCups(const std::string& arguments) {
    const std::string command = std::string(QUIREVO_PRIVATE_CUPS) + " start " + arguments;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    char buffer[512];
    std::string output;
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) {
      output += buffer;
    }
    // export CUPS_SERVER='…/cups.sock' QUIREVO_CUPS_DIR='…'
    const auto at = output.find("QUIREVO_CUPS_DIR='");
    if (at != std::string::npos) {
      const auto start = at + 18;
      folder_ = output.substr(start, output.find('\'', start) - start);
    }
  }
  PrivateCups(const PrivateCups&) = delete;
  PrivateCups& operator=(const PrivateCups&) = delete;
  ~PrivateCups() {
    if (!folder_.empty()) {
      const std::string command = std::string(QUIREVO_PRIVATE_CUPS) + " stop " + folder_;
      EXPECT_EQ(std::system(command.c_str()), 0);
    }
  }

  bool started() const { return !folder_.empty(); }
  std::string socket() const { return folder_ + "/cups.sock"; }

 private:
  std::string folder_;
};

struct Session {
  const char* name;
  const char* server;     // "default": printers with a default; "none": printers, no default
  const char* lpdest;     // the user's choice by environment, or null
  const char* lpoptions;  // the user's ~/.cups/lpoptions, or null
  std::optional<std::string> expected;
};

class CupsPrinterListTest : public ::testing::TestWithParam<Session> {
 protected:
  // libcups reads where the user's settings live once per process: HOME/.cups for users, the
  // configuration folder (CUPS_SERVERROOT) for root. Both point into one folder of the suite.
  static void SetUpTestSuite() {
    settings = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                         ("quirevo-cups-settings-" + std::to_string(getpid())));
    std::filesystem::create_directories(*settings / ".cups");
    setenv("HOME", settings->c_str(), 1);
    setenv("CUPS_SERVERROOT", settings->c_str(), 1);
    withDefault = new PrivateCups("Office_Laser Second");
    withoutDefault = new PrivateCups("--no-default Office_Laser Second");
  }
  static void TearDownTestSuite() {
    delete withDefault;
    delete withoutDefault;
    std::filesystem::remove_all(*settings);
    delete settings;
  }

  void SetUp() override {
    ASSERT_TRUE(withDefault->started() && withoutDefault->started()) << "private CUPS missing";
    unsetenv("PRINTER");
    unsetenv("LPDEST");
  }

  static void writeUserSettings(const char* lpoptions) {
    for (const auto& file : {*settings / "lpoptions", *settings / ".cups" / "lpoptions"}) {
      std::filesystem::remove(file);
      if (lpoptions != nullptr) {
        std::ofstream(file) << lpoptions;
      }
    }
  }

  static inline std::filesystem::path* settings = nullptr;
  static inline PrivateCups* withDefault = nullptr;
  static inline PrivateCups* withoutDefault = nullptr;
};

TEST_P(CupsPrinterListTest, NamesTheUsersDefaultDestination) {
  const Session& session = GetParam();
  const std::string server = std::string(session.server) == "default" ? withDefault->socket()
                             : std::string(session.server) == "none"  ? withoutDefault->socket()
                                                                      : session.server;
  setenv("CUPS_SERVER", server.c_str(), 1);
  if (session.lpdest != nullptr) {
    setenv("LPDEST", session.lpdest, 1);
  }
  writeUserSettings(session.lpoptions);
  // libcups keeps the server and its connection per process; a new session starts afresh.
  cupsSetServer(nullptr);
  EXPECT_EQ(CupsPrinterList().currentPrinterName(), session.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, CupsPrinterListTest,
    ::testing::Values(
        Session{"ServersDefault", "default", nullptr, nullptr, "Office_Laser"},
        Session{"UsersChoiceByEnvironment", "default", "Second", nullptr, "Second"},
        Session{"UsersChoiceInLpoptions", "none", nullptr, "Default Second\n", "Second"},
        Session{"InstanceOfADestination", "default", nullptr,
                "Dest Office_Laser/duplex sides=two-sided-long-edge\nDefault Office_Laser/duplex\n",
                "Office_Laser/duplex"},
        Session{"NoDefaultSet", "none", nullptr, nullptr, std::nullopt},
        Session{"DefaultTheServerDoesNotKnow", "default", "Gone", nullptr, std::nullopt},
        Session{"NoServer", "/nonexistent/quirevo/cups.sock", nullptr, nullptr, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quirevo
