#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "supervision/application_launcher.h"
#include "tests/support/spreadsheet_stand_in.h"

namespace quirevo::testing {

// The messages of a server that has gone, as COM gives them.
inline constexpr const char* kCallFailed = "The remote procedure call failed";
inline constexpr const char* kServerUnavailable = "The RPC server is unavailable";

// A request of one run that does not come back normally: the (skip + 1)-th call of the member
// (case-insensitive) dies with the server or hangs until the run is stopped.
struct Mishap {
  enum class Kind { Dies, Hangs };
  Kind kind;
  std::string member;
  int skip = 0;
};

// Starts the recording stand-in as a platform starts the spreadsheet application, each start a
// run of its own: a new stand-in, prepared alike, whose process "ends" when it is killed or
// stopped. A run that has ended fails every call as a server that has gone does, and its death
// shows as the platform's would: the process has ended.
class StandInLauncher final : public supervision::ApplicationLauncher {
 public:
  struct Run;

  StandInLauncher();
  ~StandInLauncher() override;

  // Each new stand-in is prepared so before it serves (its files, its new workbook).
  std::function<void(SpreadsheetStandIn&)> prepare;
  // The run the next start begins meets this mishap.
  void nextRunMeets(Mishap mishap);
  // The current run meets this mishap, its calls counted from now.
  void currentRunMeets(Mishap mishap);
  // Ends the current run's process from outside, between requests.
  void kill();
  // The next start fails with this message.
  void failNextStart(std::string message);

  std::size_t starts() const;
  // The stand-in of the run started as the number-th (0 the first).
  SpreadsheetStandIn& run(std::size_t number);
  // How many runs are still alive.
  int alive() const;

  DispatchPtr start() override;
  bool running() override;
  void stop() override;
  bool showsDeath(const AutomationError& failure) override;

 private:
  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<Run>> runs_;
  std::optional<Mishap> nextMishap_;
  std::optional<std::string> startFailure_;
};

}  // namespace quirevo::testing
