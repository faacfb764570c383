#pragma once

#include "automation/dispatch_ptr.h"
#include "platform/libreoffice/office_options.h"

namespace quirevo {

// "Excel.Application" on Linux: starts a private LibreOffice (its own profile and pipe, headless
// without a display) and serves the automation members Quirevo uses over it. Quit ends the
// office; so does releasing the last reference to the returned object. Throws AutomationError
// when the office cannot be started.
DispatchPtr createLibreOfficeApplication(const OfficeOptions& options = {});

}  // namespace quirevo
