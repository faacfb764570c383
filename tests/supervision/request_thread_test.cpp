// The request thread: jobs run off the caller's thread, one after the other, their failures come
// back to the caller, and the thread serves inside what its host holds.
#include "supervision/request_thread.h"
#include "tests/support/recording_wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "automation/automation_error.h"

namespace quirevo::supervision {
namespace {

using testing::RecordingWait;
const BusyWork& kWork = testing::kCountingWork;

TEST(RequestThread, RunsEachJobOffTheCallersThreadAndReturnsOnceItIsDone) {
  RecordingWait wait;
  RequestThread thread(wait);
  std::vector<std::thread::id> ranOn;
  const std::function<void()> job = [&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ranOn.push_back(std::this_thread::get_id());
  };
  thread.run(job, kWork);
  thread.run(job, kWork);
  ASSERT_EQ(ranOn.size(), 2u) << "each run returns only after its job";
  EXPECT_NE(ranOn[0], std::this_thread::get_id());
  EXPECT_EQ(ranOn[0], ranOn[1]) << "one thread for every request";
  EXPECT_EQ(wait.sentences,
            std::vector<std::string>(2, "Counting the pages of sheet \"Data\"\u2026"));
}

TEST(RequestThread, AJobsFailureComesBackToTheCallerAndTheThreadGoesOn) {
  RecordingWait wait;
  RequestThread thread(wait);
  try {
    thread.run([] { throw AutomationError("No workbook is open"); }, kWork);
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_STREQ(error.what(), "No workbook is open");
  }
  bool ran = false;
  thread.run([&] { ran = true; }, kWork);
  EXPECT_TRUE(ran);
}

TEST(RequestThread, PostedJobsRunInOrderBeforeTheNextRequestAndBeforeTheThreadEnds) {
  RecordingWait wait;
  std::vector<int> order;
  {
    RequestThread thread(wait);
    thread.post([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      order.push_back(1);
    });
    thread.post([&] { order.push_back(2); });
    thread.run([&] { order.push_back(3); }, kWork);
    thread.post([&] { order.push_back(4); });
    thread.post([] { throw AutomationError("nobody waits for this"); });
  }
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(wait.sentences.size(), 1u) << "only the request was waited for";
}

TEST(RequestThread, ServesInsideItsHostAndFailsEveryJobWhenTheHostCannotBeEntered) {
  RecordingWait wait;
  std::thread::id hostedOn;
  std::thread::id ranOn;
  {
    RequestThread thread(wait, [&](const std::function<void()>& serve) {
      hostedOn = std::this_thread::get_id();
      serve();
    });
    thread.run([&] { ranOn = std::this_thread::get_id(); }, kWork);
  }
  EXPECT_EQ(hostedOn, ranOn);
  EXPECT_NE(ranOn, std::this_thread::get_id());

  RequestThread failing(
      wait, [](const std::function<void()>&) { throw AutomationError("CoInitializeEx failed"); });
  for (int request = 0; request < 2; ++request) {
    try {
      failing.run([] {}, kWork);
      ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
      EXPECT_STREQ(error.what(), "CoInitializeEx failed");
    }
  }
}

}  // namespace
}  // namespace quirevo::supervision
