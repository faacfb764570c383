#include "automation/dispatch.h"

#include <utility>

namespace quirevo {

DispatchPtr DispatchPtr::adopt(Dispatch* object) noexcept {
  return DispatchPtr(object);
}

DispatchPtr DispatchPtr::share(Dispatch* object) noexcept {
  if (object != nullptr) {
    object->addRef();
  }
  return DispatchPtr(object);
}

DispatchPtr::DispatchPtr(const DispatchPtr& other) noexcept : object_(other.object_) {
  if (object_ != nullptr) {
    object_->addRef();
  }
}

DispatchPtr::DispatchPtr(DispatchPtr&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)) {}

DispatchPtr& DispatchPtr::operator=(DispatchPtr other) noexcept {
  std::swap(object_, other.object_);
  return *this;
}

DispatchPtr::~DispatchPtr() {
  reset();
}

void DispatchPtr::reset() noexcept {
  if (Dispatch* object = std::exchange(object_, nullptr)) {
    object->release();
  }
}

std::string_view toString(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Get:
      return "get";
    case InvokeKind::IndexedGet:
      return "indexed get";
    case InvokeKind::Put:
      return "put";
    case InvokeKind::Method:
      return "method";
  }
  return "?";
}

}  // namespace quirevo
