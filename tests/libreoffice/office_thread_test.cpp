// The office's request thread and the stopper, without an office: the thread survives writes to a
// pipe whose reader is gone; Stop kills the office process of the request under way, and one
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
#include "platform/libreoffice/office_thread.h"
#include "platform/libreoffice/private_folder.h"
#include "supervision/request_thread.h"
#include "tests/support/recording_wait.h"

namespace quirevo::office {
namespace {

using testing::RecordingWait;
const BusyWork& kWork = testing::kCountingWork;

TEST(RequestThread, WritingToAPipeWhoseReaderIsGoneFailsInsteadOfEndingTheProgram) {
  RecordingWait wait;
  supervision::RequestThread thread(wait, serveWithoutSigpipe);
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
