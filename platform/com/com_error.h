#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "automation/automation_error.h"

namespace quirevo {

// The system's message for a status, less its trailing line break; empty where there is none.
std::string systemMessage(HRESULT status);

// A failure with its status; what() is the message the user sees. A server answers the caller
// with the status itself.
class ComStatusError : public AutomationError {
 public:
  ComStatusError(HRESULT status, const AutomationError& failure)
      : AutomationError(failure), status_(status) {}
  HRESULT status() const noexcept { return status_; }

 private:
  HRESULT status_;
};

// A failure status as the user sees it: the system's text, or "OLE error %.8x".
ComStatusError comFailure(HRESULT status);

// DISP_E_EXCEPTION: the component's description (filled in late where it asks for that), less
// trailing blanks and full stops; without a description, the text of the exception's status.
AutomationError comException(EXCEPINFO& exception);

}  // namespace quirevo
