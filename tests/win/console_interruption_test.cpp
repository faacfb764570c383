// quirevo.com's console control handler, called as the system calls it, on a thread of its own.
// Wine delivers no close event to a console program (tests/win/wine_limits.h), so the wait a
// closing console needs is checked here rather than end to end.
#include "programs/windows/console_interruption.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace quirevo::testing {
namespace {

using std::chrono::milliseconds;

struct ControlCase {
  const char* name;
  DWORD event;
  bool waitsForTheRun;  // the system ends the process as soon as the handler returns
};

class ConsoleControl : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ConsoleControl, RequestsTheInterruption) {
  Interruption interruption;
  ConsoleInterruption handled(interruption);
  const Interruption::Printing printing(interruption);
  auto handler = std::async(std::launch::async,
                            [] { return ConsoleInterruption::handleControl(GetParam().event); });
  if (GetParam().waitsForTheRun) {
    EXPECT_EQ(handler.wait_for(milliseconds(300)), std::future_status::timeout)
        << "returned while the run still holds the application";
    handled.runEnded();
  }
  ASSERT_EQ(handler.wait_for(milliseconds(5000)), std::future_status::ready);
  EXPECT_EQ(handler.get(), TRUE);
  EXPECT_TRUE(interruption.requested());
  EXPECT_EQ(interruption.stopsWork(), GetParam().waitsForTheRun)
      << "only a closing console stops a page being printed";
}

INSTANTIATE_TEST_SUITE_P(Events, ConsoleControl,
                         ::testing::Values(ControlCase{"CtrlC", CTRL_C_EVENT, false},
                                           ControlCase{"CtrlBreak", CTRL_BREAK_EVENT, false},
                                           ControlCase{"ConsoleClosed", CTRL_CLOSE_EVENT, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A run that ends without saying so (an exception through it) still lets a closing console go,
// and an event after the run is left to the system.
TEST(ConsoleInterruption, ItsEndReleasesAWaitingHandlerAndHandsBackTheEvents) {
  Interruption interruption;
  std::future<BOOL> handler;
  {
    ConsoleInterruption handled(interruption);
    handler = std::async(std::launch::async,
                         [] { return ConsoleInterruption::handleControl(CTRL_CLOSE_EVENT); });
    while (!interruption.requested()) {
      Sleep(1);
    }
  }
  ASSERT_EQ(handler.wait_for(milliseconds(5000)), std::future_status::ready);
  EXPECT_EQ(handler.get(), TRUE);
  EXPECT_EQ(ConsoleInterruption::handleControl(CTRL_C_EVENT), FALSE);
}

}  // namespace
}  // namespace quirevo::testing
