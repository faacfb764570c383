#pragma once

#include "automation/automation_error.h"
#include "automation/dispatch_ptr.h"

namespace quirevo::supervision {

// What a platform does for a supervised spreadsheet application: how it starts one, how it finds
// and ends the application's process, and how the application's death shows. Everything but stop
// is called on the request thread; stop may come from the waiting thread at any time.
class ApplicationLauncher {
 public:
  virtual ~ApplicationLauncher() = default;

  // Starts a new application and returns its root object. Throws AutomationError, in the user's
  // words, when it cannot be started.
  virtual DispatchPtr start() = 0;
  // Whether the application started last still runs.
  virtual bool running() = 0;
  // Ends the application started last, or the one being started, at once; never another
  // application of the same kind that the user runs. Nothing when none runs.
  virtual void stop() = 0;
  // Whether a request that failed so shows that the application has gone.
  virtual bool showsDeath(const AutomationError& failure) = 0;
};

}  // namespace quirevo::supervision
