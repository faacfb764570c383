#include "platform/com/com_error.h"

#include <memory>

#include "platform/com/unique_bstr.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {

struct LocalFreer {
  void operator()(wchar_t* memory) const { LocalFree(memory); }
};

}  // namespace

std::string systemMessage(HRESULT status) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalFreer> held(buffer);
  if (length == 0 || buffer == nullptr) {
    return {};
  }
  std::wstring_view text(buffer, length);
  const auto end = text.find_last_not_of(L" \t\r\n");
  return end == std::wstring_view::npos ? std::string() : toUtf8(text.substr(0, end + 1));
}

ComStatusError comFailure(HRESULT status) {
  const auto code = static_cast<std::uint32_t>(status);
  return ComStatusError(status, statusFailure(code, systemMessage(status)));
}

AutomationError comException(EXCEPINFO& exception) {
  if (exception.pfnDeferredFillIn != nullptr) {
    // The component fills the strings only when asked; its own failure leaves them as they are.
    exception.pfnDeferredFillIn(&exception);
  }
  // A component that gives only a 16-bit code has no status of its own to name.
  const HRESULT status = exception.scode != S_OK ? exception.scode : DISP_E_EXCEPTION;
  const auto code = static_cast<std::uint32_t>(status);
  return componentException(bstrText(exception.bstrDescription), code, systemMessage(status));
}

}  // namespace quirevo
