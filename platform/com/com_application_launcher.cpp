#include "platform/com/com_application_launcher.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/com/com_class.h"
#include "platform/com/com_error.h"
#include "platform/windows/process_list.h"

namespace quirevo {

namespace {

// How long an ended process may take to go, so that it has gone once Stop returns.
constexpr DWORD kEndTimeoutMs = 5000;

constexpr DWORD kProcessAccess =
    PROCESS_TERMINATE | PROCESS_SET_QUOTA | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION;

// A job whose processes end when its last handle closes; nothing where none can be made.
UniqueHandle killOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job && !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits)) {
    return {};
  }
  return job;
}

// The processes running the executable, or nothing when the list cannot be read (and no process
// can be told for ours).
std::optional<std::set<DWORD>> processesNow(const std::wstring& executable) {
  try {
    return processesRunning(executable);
  } catch (const std::system_error&) {
    return std::nullopt;
  }
}

void end(HANDLE process) {
  TerminateProcess(process, 1);
  WaitForSingleObject(process, kEndTimeoutMs);
}

}  // namespace

bool isServerGone(HRESULT status) {
  switch (status) {
    case RPC_E_DISCONNECTED:
    case RPC_E_SERVER_DIED:
    case RPC_E_SERVER_DIED_DNE:
    case CO_E_OBJNOTCONNECTED:
    case HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE):
    case HRESULT_FROM_WIN32(RPC_S_CALL_FAILED):
    case HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE):
      return true;
    default:
      return false;
  }
}

ComApplicationLauncher::ComApplicationLauncher(std::string progId)
    : progId_(std::move(progId)), job_(killOnCloseJob()) {}

DispatchPtr ComApplicationLauncher::start() {
  const CLSID classId = classOfProgId(progId_);
  {
    const std::lock_guard lock(mutex_);
    executable_ = localServerExecutable(classId);
    process_ = {};
    before_ = executable_.empty() ? std::nullopt : processesNow(executable_);
    starting_ = true;
  }
  DispatchPtr application;
  try {
    application = createComObject(classId);
  } catch (...) {
    const std::lock_guard lock(mutex_);
    starting_ = false;
    throw;
  }
  const std::lock_guard lock(mutex_);
  starting_ = false;
  const auto now = before_ ? processesNow(executable_) : std::nullopt;
  if (!now) {
    return application;
  }
  std::set<DWORD> appeared;
  std::set_difference(now->begin(), now->end(), before_->begin(), before_->end(),
                      std::inserter(appeared, appeared.end()));
  // Two at once would be another one the user started meanwhile: neither is taken for ours.
  if (appeared.size() == 1) {
    process_ = UniqueHandle(OpenProcess(kProcessAccess, FALSE, *appeared.begin()));
    if (process_ && job_) {
      AssignProcessToJobObject(job_.get(), process_.get());
    }
  }
  return application;
}

bool ComApplicationLauncher::running() {
  const std::lock_guard lock(mutex_);
  return !processEnded();
}

bool ComApplicationLauncher::processEnded() const {
  return process_ && WaitForSingleObject(process_.get(), 0) != WAIT_TIMEOUT;
}

void ComApplicationLauncher::stop() {
  const std::lock_guard lock(mutex_);
  if (process_) {
    end(process_.get());
    return;
  }
  const auto now = starting_ && before_ ? processesNow(executable_) : std::nullopt;
  if (!now) {
    return;
  }
  // Still being started, its process not known yet: the ones that appeared since the start began.
  for (DWORD id : *now) {
    if (before_->count(id) == 0) {
      const UniqueHandle process(OpenProcess(kProcessAccess, FALSE, id));
      if (process) {
        end(process.get());
      }
    }
  }
}

bool ComApplicationLauncher::showsDeath(const AutomationError& failure) {
  const auto* status = dynamic_cast<const ComStatusError*>(&failure);
  if (status != nullptr && isServerGone(status->status())) {
    return true;
  }
  const std::lock_guard lock(mutex_);
  return processEnded();
}

}  // namespace quirevo
