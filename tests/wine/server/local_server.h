#pragma once

#include <windows.h>

namespace quirevo::testing {

// How a local server's run ended.
enum class LocalServerEnd {
  Served,      // the object it made has been released, or its creation failed
  NoClient,    // no client asked for an object in time
  NotStarted,  // COM or the class registration failed
};

// Serves the test server's class to one client, as Excel's process serves the one application
// COM starts it for: the class object is registered for single use, so the next creation starts
// another server. Runs the apartment's message loop on the calling thread until the run ends.
LocalServerEnd serveOneClient(DWORD waitForClientMs);

}  // namespace quirevo::testing
