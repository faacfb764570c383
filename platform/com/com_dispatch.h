#pragma once

#include <windows.h>

#include <wrl/client.h>

#include <atomic>

#include "automation/dispatch.h"

namespace quirevo {

// An automation object of a COM server, reached through its IDispatch.
class ComDispatch final : public Dispatch {
 public:
  explicit ComDispatch(Microsoft::WRL::ComPtr<IDispatch> object) : object_(std::move(object)) {}
  ComDispatch(const ComDispatch&) = delete;
  ComDispatch& operator=(const ComDispatch&) = delete;

  void addRef() noexcept override { ++references_; }
  void release() noexcept override {
    if (--references_ == 0) {
      delete this;
    }
  }

  std::vector<DispId> idsOfNames(std::string_view member,
                                 std::span<const std::string_view> argumentNames) override;
  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override;

  IDispatch* comObject() const noexcept { return object_.Get(); }

 private:
  ~ComDispatch() = default;

  Microsoft::WRL::ComPtr<IDispatch> object_;
  std::atomic<long> references_ = 1;
};

// The program's reference to a COM object; the object gets a reference of its own.
DispatchPtr wrapComObject(IDispatch* object);

// The IDispatch of an object of a COM server, with a reference for the VARIANT it goes into. An
// object of another kind cannot be handed to a COM server: ComStatusError (DISP_E_TYPEMISMATCH).
IDispatch* exportComObject(const DispatchPtr& object);

}  // namespace quirevo
