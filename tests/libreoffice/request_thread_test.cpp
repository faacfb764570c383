// The request thread and the stopper, without an office: jobs run off the caller's thread and
// their failures come back to it; Stop kills the office process of the request under way, and one
// started after it, but not one of a later request.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "automation/automation_error.h"
#include "platform/libreoffice/office_process.h"
#include "platform/libreoffice/office_stopper.h"
#include "platform/libreoffice/private_folder.h"
#include "platform/libreoffice/request_thread.h"

namespace quirevo::office {
namespace {

// Waits plainly and notes what each wait was told.
class RecordingWait : public BusyWait {
 public:
  void wait(const WorkDone& done, const BusyWork& work) override {
    sentences.push_back(work.describe());
    while (!done.waitFor(std::chrono::seconds(60))) {
    }
  }
  std::vector<std::string> sentences;
};

const BusyWork kWork{[] { return std::string("Counting the pages of sheet \"Data\"\u2026"); },
                     [] {}};

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

TEST(RequestThread, WritingToAPipeWhoseReaderIsGoneFailsInsteadOfEndingTheProgram) {
  RecordingWait wait;
  RequestThread thread(wait);
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  close(pipeEnds[0]);
  ssize_t written = 0;
  int error = 0;
  thread.run(
      [&] {
        written = write(pipeEnds[1], "x", 1);
        error = errno;
      },
      kWork);
  close(pipeEnds[1]);
  EXPECT_EQ(written, -1);
  EXPECT_EQ(error, EPIPE);
}

class Stopper : public ::testing::Test {
 protected:
  std::unique_ptr<OfficeProcess> start() {
    return std::make_unique<OfficeProcess>("/bin/sleep", std::vector<std::string>{"60"},
                                           folder_.path() / "log", std::vector<std::string>{});
  }

  const PrivateFolder folder_;
  OfficeStopper stopper;
};

TEST_F(Stopper, KillsTheOfficeOfTheRequestUnderWayAtOnce) {
  const auto office = start();
  stopper.watch(*office);
  EXPECT_FALSE(stopper.stopped());
  stopper.stop();
  EXPECT_TRUE(stopper.stopped());
  ASSERT_TRUE(office->waitForEnd(std::chrono::seconds(5)));
  EXPECT_EQ(office->ended()->describe(), "signal 9");
}

TEST_F(Stopper, KillsAnOfficeStartedAfterTheStopButNotOneOfTheNextRequest) {
  stopper.stop();
  const auto startedAfter = start();
  stopper.watch(*startedAfter);
  EXPECT_TRUE(startedAfter->waitForEnd(std::chrono::seconds(5)));

  stopper.rearm();
  EXPECT_FALSE(stopper.stopped());
  const auto nextRequests = start();
  stopper.watch(*nextRequests);
  EXPECT_FALSE(nextRequests->waitForEnd(std::chrono::milliseconds(300)));
}

}  // namespace
}  // namespace quirevo::office
