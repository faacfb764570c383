#pragma once

#include <windows.h>

#include <utility>

namespace quirevo {

// A kernel handle (process, job, event) closed when its holder ends. Holds nothing for both the
// null handle and INVALID_HANDLE_VALUE, as the API returns either for a failure.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~UniqueHandle() {
    if (valid()) {
      CloseHandle(handle_);
    }
  }

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  explicit operator bool() const { return valid(); }

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace quirevo
