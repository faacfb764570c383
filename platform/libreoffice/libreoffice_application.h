#pragma once

#include "automation/dispatch_ptr.h"
#include "platform/busy_wait.h"
#include "platform/libreoffice/office_options.h"

namespace quirevo {

// "Excel.Application" on Linux: starts a private LibreOffice (its own profile and pipe, headless
// without a display) and serves the automation members Quirevo uses over it. Each request runs
// off the caller's thread while the caller waits through wait, which lets the user stop a long
// one; an office that has gone is replaced at the next request. Quit ends the office; so does
// releasing the last reference to the returned object. Throws AutomationError when the office
// cannot be started.
DispatchPtr createLibreOfficeApplication(BusyWait& wait, const OfficeOptions& options = {});

}  // namespace quirevo
