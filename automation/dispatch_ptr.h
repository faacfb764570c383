#pragma once

namespace quirevo {

class Dispatch;

// Owning reference to an automation object: adds a reference when copied, releases it when
// destroyed, so no handler ever calls release() itself.
class DispatchPtr {
 public:
  DispatchPtr() = default;
  // Takes over a reference the caller already holds (a freshly created object).
  static DispatchPtr adopt(Dispatch* object) noexcept;
  // Adds a reference of its own.
  static DispatchPtr share(Dispatch* object) noexcept;

  DispatchPtr(const DispatchPtr& other) noexcept;
  DispatchPtr(DispatchPtr&& other) noexcept;
  DispatchPtr& operator=(DispatchPtr other) noexcept;
  ~DispatchPtr();

  Dispatch* get() const noexcept { return object_; }
  Dispatch* operator->() const noexcept { return object_; }
  Dispatch& operator*() const noexcept { return *object_; }
  explicit operator bool() const noexcept { return object_ != nullptr; }
  void reset() noexcept;

 private:
  explicit DispatchPtr(Dispatch* object) noexcept : object_(object) {}
  Dispatch* object_ = nullptr;
};

}  // namespace quirevo
