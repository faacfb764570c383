#include "supervision/supervisor.h"

#include <optional>
#include <vector>

#include "automation/late_binding.h"

namespace quirevo::supervision {

namespace {

// What the supervision itself refuses, or a start that failed: never taken for the death of the
// application the request was made to.
class Refusal : public AutomationError {
 public:
  using AutomationError::AutomationError;
};

}  // namespace

Supervisor::Supervisor(std::unique_ptr<ApplicationLauncher> launcher, BusyWait& wait,
                       std::string application, ThreadHost host)
    : application_(std::move(application)),
      launcher_(std::move(launcher)),
      thread_(wait, std::move(host)) {}

Supervisor::~Supervisor() {
  activity_.set(activities::closing(application_));
  stopped_ = false;
  try {
    thread_.run([this] { root_.reset(); }, busyWork());
  } catch (...) {
    // Releasing what has gone cannot fail in a way anybody could act on at the program's end.
  }
}

Variant Supervisor::onRoot(const std::function<Variant(const DispatchPtr& root, Generation)>& job) {
  return supervise(std::nullopt, [&] {
    if (quit_) {
      throw Refusal(failures::hasQuit(application_));
    }
    ensureRunning();
    return job(root_, generation_);
  });
}

Variant Supervisor::onObject(Generation generation, const std::function<Variant()>& job) {
  return supervise(generation, job);
}

// A failure of the application now running that shows it has gone, or that the user stopped it,
// ends it for good and is told as such; the next request on the root starts a new one. A failure
// of an object of an application that has already been replaced concerns only that object.
Variant Supervisor::supervise(std::optional<Generation> object,
                              const std::function<Variant()>& job) {
  stopped_ = false;
  activity_.set(activities::waitingFor(application_));
  Variant result;
  thread_.run(
      [&] {
        try {
          result = job();
        } catch (const AutomationError& failure) {
          if (object && *object != generation_) {
            throw;
          }
          if (stopped_) {
            const std::string activity = activity_.get();
            lose();
            throw Refusal(failures::stoppedWhile(application_, activity));
          }
          if (dynamic_cast<const Refusal*>(&failure) == nullptr && launcher_->showsDeath(failure)) {
            const std::string activity = activity_.get();
            lose();
            throw Refusal(failures::endedWhile(application_, activity));
          }
          throw;
        }
      },
      busyWork());
  return result;
}

// An application that has gone is replaced, silently: the new one gets the settings and the
// workbooks of the record, the active one last so that it is active again.
void Supervisor::ensureRunning() {
  if (root_ && launcher_->running()) {
    return;
  }
  root_.reset();
  const std::string activity = activity_.get();
  activity_.set(activities::starting(application_));
  try {
    root_ = launcher_->start();
  } catch (const AutomationError& failure) {
    throw Refusal(failure.what());
  }
  ++generation_;
  if (stopped_) {
    // Stopped while it started: the process may only have been found now.
    throw Refusal(failures::stoppedWhile(application_, activity_.get()));
  }
  restore();
  activity_.set(activity);
}

void Supervisor::restore() {
  const LateBound application = late(Variant::object(root_));
  if (record_.displayAlerts) {
    application.put("DisplayAlerts", Variant::boolean(*record_.displayAlerts));
  }
  if (record_.visible) {
    application.put("Visible", Variant::boolean(*record_.visible));
  }
  // A workbook that cannot be opened again is held no more; the others still are, and the request
  // fails saying which could not be opened.
  std::optional<Refusal> refused;
  for (const auto& workbook : std::vector(record_.workbooks())) {
    try {
      restoreWorkbook(workbook);
    } catch (const AutomationError& failure) {
      if (stopped_ || launcher_->showsDeath(failure)) {
        throw;
      }
      record_.forget(workbook);
      if (!refused) {
        refused =
            Refusal(workbook->file ? failures::cannotOpen(*workbook->file, true, failure.what())
                                   : failure.what());
      }
    }
  }
  if (refused) {
    throw *refused;
  }
}

void Supervisor::restoreWorkbook(const ApplicationRecord<>::Held& workbook) {
  const LateBound workbooks = late(Variant::object(root_)).get("Workbooks");
  if (workbook->file) {
    activity_.set(activities::opening(workbook->title()));
    const NamedValue fileName{"Filename", Variant::string(*workbook->file)};
    workbooks.call("Open", {}, {&fileName, 1});
  } else {
    activity_.set(activities::creatingWorkbook());
    workbooks.call("Add");
  }
}

// The application is of no more use: its process is ended if it still runs, and it is released.
void Supervisor::lose() {
  launcher_->stop();
  root_.reset();
}

void Supervisor::discard(DispatchPtr object) {
  thread_.post([object = std::move(object)]() mutable { object.reset(); });
}

BusyWork Supervisor::busyWork() {
  return {[this] { return activity_.sentence(); },
          [this] {
            stopped_ = true;
            launcher_->stop();
          }};
}

}  // namespace quirevo::supervision
