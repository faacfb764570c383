#include "platform/libreoffice/office.h"

#include <signal.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/DisposedException.hpp>

#include "platform/libreoffice/file_url.h"
#include "platform/libreoffice/leftovers.h"
#include "platform/libreoffice/office_failure.h"
#include "platform/libreoffice/office_profile.h"
#include "platform/libreoffice/uno_text.h"
#include "supervision/activity.h"

namespace quirevo::office {

namespace {

constexpr const char* kInstalledProgramDir = QUIREVO_OFFICE_PROGRAM_DIR;
// A first start with a fresh profile ends with this status and expects to be started again.
constexpr int kRestartRequested = 81;
constexpr int kMaxRestarts = 3;
constexpr std::chrono::milliseconds kConnectRetry{50};
// How long a broken bridge waits for the office's end to show, to tell death from a hiccup.
constexpr std::chrono::milliseconds kDeathNotice{2000};

bool displayAvailable() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0';
}

std::string inSeconds(std::chrono::milliseconds time) {
  const auto seconds = (time.count() + 999) / 1000;
  return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

// The bridge's threads write to the office's pipe; once the office is gone such a write must
// fail, not raise SIGPIPE and end Quirevo. Threads inherit the mask of the thread creating them.
class SigpipeBlocked {
 public:
  SigpipeBlocked() {
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &saved_);
  }
  ~SigpipeBlocked() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
  SigpipeBlocked(const SigpipeBlocked&) = delete;
  SigpipeBlocked& operator=(const SigpipeBlocked&) = delete;

 private:
  sigset_t saved_;
};

// Kills a process that has not finished what it was asked within the limit.
class Watchdog {
 public:
  Watchdog(pid_t pid, std::chrono::milliseconds limit)
      : thread_([this, pid, limit] {
          std::unique_lock lock(mutex_);
          if (!finished_.wait_for(lock, limit, [this] { return done_; })) {
            kill(pid, SIGKILL);
          }
        }) {}
  ~Watchdog() {
    {
      const std::lock_guard lock(mutex_);
      done_ = true;
    }
    finished_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  std::thread thread_;
};

}  // namespace

Office::Office(const OfficeOptions& options, OfficeStopper* stopper)
    : options_(options),
      stopper_(stopper),
      hasDisplay_(displayAvailable()),
      pipeName_(folder_.path().filename().string()) {
  if (options_.program.empty()) {
    options_.program = std::string(kInstalledProgramDir) + "/soffice.bin";
  }
  if (access(options_.program.c_str(), X_OK) != 0) {
    throw AutomationError("LibreOffice is not installed: " + options_.program + " cannot be run");
  }
  writeOfficeProfile(folder_.path() / "profile");
  uno_ = std::make_unique<LocalUno>(folder_.path(), kInstalledProgramDir);
  try {
    connect();
  } catch (...) {
    end();
    throw;
  }
}

Office::~Office() {
  end();
}

void Office::start() {
  std::vector<std::string> arguments{"--invisible", "--norestore", "--nologo", "--nodefault",
                                     "--nolockcheck"};
  if (!hasDisplay_) {
    arguments.push_back("--headless");
  }
  arguments.push_back("-env:UserInstallation=" + fileUrlFor((folder_.path() / "profile").string()));
  arguments.push_back("--accept=pipe,name=" + pipeName_ + ";urp;");
  // The office's own temporary files go with our folder, also when it is killed and cannot
  // remove them itself.
  const auto temporary = folder_.path() / "tmp";
  std::filesystem::create_directories(temporary);
  process_ =
      std::make_unique<OfficeProcess>(options_.program, arguments, folder_.path() / "office.log",
                                      std::vector<std::string>{"TMPDIR=" + temporary.string()});
  if (stopper_ != nullptr) {
    stopper_->watch(*process_);
  }
}

void Office::connect() {
  const auto deadline = std::chrono::steady_clock::now() + options_.startTimeout;
  const auto connector = css::connection::Connector::create(uno_->context());
  css::uno::Reference<css::connection::XConnection> connection;
  int restarts = 0;
  start();
  while (!connection.is()) {
    if (const auto end = process_->ended()) {
      if (!end->bySignal && end->code == kRestartRequested && restarts++ < kMaxRestarts) {
        start();
        continue;
      }
      throw AutomationError("LibreOffice could not be started: it ended with " + end->describe());
    }
    try {
      connection = connector->connect(toUno("pipe,name=" + pipeName_));
    } catch (const css::connection::NoConnectException&) {
      if (std::chrono::steady_clock::now() >= deadline) {
        throw AutomationError("LibreOffice could not be started: it did not answer within " +
                              inSeconds(options_.startTimeout));
      }
      std::this_thread::sleep_for(kConnectRetry);
    }
  }
  try {
    const SigpipeBlocked sigpipeBlocked;
    const auto bridge = css::bridge::BridgeFactory::create(uno_->context())
                            ->createBridge(rtl::OUString(), toUno("urp"), connection, nullptr);
    bridge_.set(bridge, css::uno::UNO_QUERY_THROW);
    remote_.set(bridge->getInstance(toUno("StarOffice.ComponentContext")),
                css::uno::UNO_QUERY_THROW);
    desktop_ = css::frame::Desktop::create(remote_);
  } catch (const css::uno::Exception& failure) {
    throw AutomationError("LibreOffice could not be started: " + officeMessage(failure));
  }
}

bool Office::running() {
  return state_ == State::Running && !process_->ended();
}

void Office::checkRunning() {
  switch (state_) {
    case State::Quit:
      throw refusal(supervision::failures::hasQuit(kOfficeName));
    case State::Died:
      throw refusal(deathMessage_);
    case State::Running:
      if (process_->ended()) {
        noticeDeath();
        throw refusal(deathMessage_);
      }
  }
}

bool Office::bridgeBroken(const css::lang::DisposedException& failure) const {
  return bridge_.is() &&
         css::uno::Reference<css::uno::XInterface>(failure.Context) ==
             css::uno::Reference<css::uno::XInterface>(bridge_, css::uno::UNO_QUERY);
}

AutomationError Office::disposed(const css::lang::DisposedException& failure) {
  if (!bridgeBroken(failure)) {
    return failed(failure);
  }
  if (process_->waitForEnd(kDeathNotice)) {
    noticeDeath();
  } else {
    // The connection is lost with the office still running: it is of no more use.
    lose("LibreOffice stopped answering");
  }
  return refusal(deathMessage_);
}

AutomationError Office::failed(const css::uno::Exception& failure) {
  const std::string message = officeMessage(failure);
  return refusal(message.empty() ? "LibreOffice reported an error" : message);
}

void Office::noticeDeath() {
  lose("LibreOffice ended unexpectedly (" + process_->ended()->describe() + ")");
}

void Office::lose(std::string message) {
  state_ = State::Died;
  deathMessage_ = std::move(message);
  desktop_.clear();
  remote_.clear();
  end();
}

void Office::quit() {
  checkRunning();
  end();
}

// An office that was killed, stopped or died leaves its pipe behind; by now the process has
// ended, and one that quit has removed its pipe itself.
void Office::removePipe() const {
  if (process_) {
    removeOfficePipe(pipeName_);
  }
}

void Office::end() {
  if (process_ && !process_->ended()) {
    bool terminating = false;
    if (desktop_.is()) {
      // A hung office must not hang Quirevo's end: the watchdog kills it, which breaks the call.
      const Watchdog watchdog(process_->pid(), options_.quitTimeout);
      try {
        terminating = desktop_->terminate();
      } catch (const css::uno::Exception&) {
        terminating = true;  // the office went before its answer did
      }
    }
    desktop_.clear();
    remote_.clear();
    if (!terminating || !process_->waitForEnd(options_.quitTimeout)) {
      process_->end(std::chrono::milliseconds(3000));
    }
  }
  desktop_.clear();
  remote_.clear();
  if (bridge_.is()) {
    bridge_->dispose();
    bridge_.clear();
  }
  removePipe();
  if (state_ == State::Running) {
    state_ = State::Quit;
  }
}

}  // namespace quirevo::office
