#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "automation/dispatch_ptr.h"
#include "automation/variant.h"
#include "platform/busy_wait.h"
#include "supervision/activity.h"
#include "supervision/application_launcher.h"
#include "supervision/application_record.h"
#include "supervision/request_thread.h"

namespace quirevo::supervision {

// Which run of the application an object belongs to: each application started anew is the next.
using Generation = std::uint64_t;

// Keeps a spreadsheet application that may hang or go away at the window's service. Every request
// runs on the request thread while the window waits through BusyWait, whose Stop ends the
// application. An application that has gone (it died, was ended or was stopped) is replaced at the
// next request on the root object by a new one, brought back to what the record holds; a request
// under way when it went fails with one message saying so. In a run where nothing goes wrong the
// application receives exactly the requests the window makes.
class Supervisor {
 public:
  // application names it in the user's words ("Excel"). Starts nothing yet.
  Supervisor(std::unique_ptr<ApplicationLauncher> launcher, BusyWait& wait, std::string application,
             ThreadHost host = {});
  // Releases the application on the request thread, then ends the thread and the launcher.
  ~Supervisor();
  Supervisor(const Supervisor&) = delete;
  Supervisor& operator=(const Supervisor&) = delete;

  const std::string& application() const { return application_; }

  // From the window's thread. A request on the root object: job gets a running application's root
  // and the generation it belongs to.
  Variant onRoot(const std::function<Variant(const DispatchPtr& root, Generation)>& job);
  // A request on an object of the given generation, which job reaches itself.
  Variant onObject(Generation generation, const std::function<Variant()>& job);

  // On the request thread, within a job: what it is doing, for the busy dialog; the record to keep
  // up to date; the end of the application the program asked for.
  void doing(std::string activity) { activity_.set(std::move(activity)); }
  ApplicationRecord<>& record() { return record_; }
  void quitRequested() { quit_ = true; }

  // From any thread: an object of the application, released later on the request thread.
  void discard(DispatchPtr object);

 private:
  // object: the generation of the object the job calls, nothing for the root.
  Variant supervise(std::optional<Generation> object, const std::function<Variant()>& job);
  void ensureRunning();
  void restore();
  void restoreWorkbook(const ApplicationRecord<>::Held& workbook);
  void lose();
  BusyWork busyWork();

  std::string application_;
  std::unique_ptr<ApplicationLauncher> launcher_;
  Activity activity_;
  std::atomic<bool> stopped_ = false;
  // The rest is the request thread's own.
  DispatchPtr root_;
  Generation generation_ = 0;
  bool quit_ = false;
  ApplicationRecord<> record_;
  // Last, so that it has ended before anything it uses goes.
  RequestThread thread_;
};

}  // namespace quirevo::supervision
