#include "tests/support/stand_in_launcher.h"

#include <map>

#include "automation/ascii_case.h"
#include "automation/dispatch_server.h"

namespace quirevo::testing {

struct StandInLauncher::Run {
  SpreadsheetStandIn standIn;
  std::mutex mutex;
  std::condition_variable ended;
  bool alive = true;
  std::optional<Mishap> mishap;
  std::map<std::string, int> calls;

  void end() {
    {
      const std::lock_guard lock(mutex);
      alive = false;
    }
    ended.notify_all();
  }

  // Called before each request reaches the stand-in; throws as a server that has gone would.
  void arrive(const std::string& member) {
    std::unique_lock lock(mutex);
    if (!alive) {
      throw AutomationError(kServerUnavailable);
    }
    const int call = calls[asciiLower(member)]++;
    if (!mishap || asciiLower(mishap->member) != asciiLower(member) || mishap->skip != call) {
      return;
    }
    if (mishap->kind == Mishap::Kind::Hangs) {
      ended.wait(lock, [this] { return !alive; });
    }
    alive = false;
    throw AutomationError(kCallFailed);
  }
};

namespace {

// One object of a run: every call first asks the run whether it may reach the stand-in.
class MortalDispatch final : public RefCountedDispatch {
 public:
  MortalDispatch(DispatchPtr inner, std::shared_ptr<StandInLauncher::Run> run)
      : inner_(std::move(inner)), run_(std::move(run)) {}

  std::vector<DispId> idsOfNames(std::string_view member,
                                 std::span<const std::string_view> argumentNames) override {
    run_->arrive("");
    auto ids = inner_->idsOfNames(member, argumentNames);
    names_[ids.at(0)] = std::string(member);
    return ids;
  }

  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override {
    run_->arrive(names_[member]);
    Variant result = inner_->invoke(member, kind, positional, named);
    if (result.type() == Variant::Type::Object && result.objectValue()) {
      return Variant::object(makeDispatch<MortalDispatch>(result.objectValue(), run_));
    }
    return result;
  }

 private:
  DispatchPtr inner_;
  std::shared_ptr<StandInLauncher::Run> run_;
  std::map<DispId, std::string> names_;
};

}  // namespace

StandInLauncher::StandInLauncher() = default;
StandInLauncher::~StandInLauncher() = default;

void StandInLauncher::nextRunMeets(Mishap mishap) {
  const std::lock_guard lock(mutex_);
  nextMishap_ = std::move(mishap);
}

void StandInLauncher::currentRunMeets(Mishap mishap) {
  const std::lock_guard lock(mutex_);
  const std::lock_guard runLock(runs_.back()->mutex);
  runs_.back()->mishap = std::move(mishap);
  runs_.back()->calls.clear();
}

void StandInLauncher::kill() {
  const std::lock_guard lock(mutex_);
  runs_.back()->end();
}

void StandInLauncher::failNextStart(std::string message) {
  const std::lock_guard lock(mutex_);
  startFailure_ = std::move(message);
}

std::size_t StandInLauncher::starts() const {
  const std::lock_guard lock(mutex_);
  return runs_.size();
}

SpreadsheetStandIn& StandInLauncher::run(std::size_t number) {
  const std::lock_guard lock(mutex_);
  return runs_.at(number)->standIn;
}

int StandInLauncher::alive() const {
  const std::lock_guard lock(mutex_);
  int alive = 0;
  for (const auto& run : runs_) {
    const std::lock_guard runLock(run->mutex);
    alive += run->alive ? 1 : 0;
  }
  return alive;
}

DispatchPtr StandInLauncher::start() {
  const std::lock_guard lock(mutex_);
  if (startFailure_) {
    throw AutomationError(*std::exchange(startFailure_, std::nullopt));
  }
  auto run = std::make_shared<Run>();
  run->mishap = std::exchange(nextMishap_, std::nullopt);
  if (prepare) {
    prepare(run->standIn);
  }
  runs_.push_back(run);
  return makeDispatch<MortalDispatch>(run->standIn.createApplication(), run);
}

bool StandInLauncher::running() {
  const std::lock_guard lock(mutex_);
  if (runs_.empty()) {
    return false;
  }
  const std::lock_guard runLock(runs_.back()->mutex);
  return runs_.back()->alive;
}

void StandInLauncher::stop() {
  const std::lock_guard lock(mutex_);
  if (!runs_.empty()) {
    runs_.back()->end();
  }
}

bool StandInLauncher::showsDeath(const AutomationError&) {
  return !running();
}

}  // namespace quirevo::testing
