#include "platform/com/unique_bstr.h"

#include <new>

#include "platform/windows/wide_text.h"

namespace quirevo {

UniqueBstr::UniqueBstr(std::string_view text) {
  const std::wstring wide = toWide(text);
  value_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (value_ == nullptr) {
    throw std::bad_alloc();
  }
}

void UniqueBstr::reset(BSTR value) noexcept {
  if (value_ != nullptr && value_ != value) {
    SysFreeString(value_);
  }
  value_ = value;
}

std::string UniqueBstr::text() const {
  return bstrText(value_);
}

std::string bstrText(BSTR value) {
  return value == nullptr ? std::string() : toUtf8(std::wstring_view(value, SysStringLen(value)));
}

}  // namespace quirevo
