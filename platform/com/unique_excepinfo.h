#pragma once

#include <windows.h>

namespace quirevo {

// The EXCEPINFO a failed Invoke fills; its three strings are freed when it goes.
class UniqueExcepInfo {
 public:
  UniqueExcepInfo() noexcept : value_{} {}
  UniqueExcepInfo(const UniqueExcepInfo&) = delete;
  UniqueExcepInfo& operator=(const UniqueExcepInfo&) = delete;
  ~UniqueExcepInfo() {
    SysFreeString(value_.bstrSource);
    SysFreeString(value_.bstrDescription);
    SysFreeString(value_.bstrHelpFile);
  }

  EXCEPINFO* get() noexcept { return &value_; }
  EXCEPINFO& operator*() noexcept { return value_; }

 private:
  EXCEPINFO value_;
};

}  // namespace quirevo
