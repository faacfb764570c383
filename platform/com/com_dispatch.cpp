#include "platform/com/com_dispatch.h"

#include "platform/com/busy_retry_filter.h"
#include "platform/com/com_error.h"
#include "platform/com/com_variant.h"
#include "platform/com/dispatch_arguments.h"
#include "platform/com/invoke_flags.h"
#include "platform/com/unique_excepinfo.h"
#include "platform/com/unique_variant.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

std::vector<DispId> ComDispatch::idsOfNames(std::string_view member,
                                            std::span<const std::string_view> argumentNames) {
  std::vector<std::wstring> names;
  names.reserve(argumentNames.size() + 1);
  names.push_back(toWide(member));
  for (std::string_view name : argumentNames) {
    names.push_back(toWide(name));
  }
  std::vector<LPOLESTR> pointers;
  for (std::wstring& name : names) {
    pointers.push_back(name.data());
  }
  std::vector<DISPID> ids(names.size(), DISPID_UNKNOWN);
  const HRESULT status = object_->GetIDsOfNames(
      IID_NULL, pointers.data(), static_cast<UINT>(pointers.size()), GetThreadLocale(), ids.data());
  if (status == DISP_E_UNKNOWNNAME) {
    throw memberNotSupported(member);
  }
  if (FAILED(status)) {
    throw comFailure(status);
  }
  return {ids.begin(), ids.end()};
}

Variant ComDispatch::invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                            std::span<const NamedArgument> named) {
  DispatchArguments arguments(kind, positional, named);
  // Puts and methods have no result the program keeps.
  const bool wantsResult = kind == InvokeKind::Get || kind == InvokeKind::IndexedGet;
  UniqueVariant result;
  UniqueExcepInfo exception;
  UINT argumentError = 0;
  HRESULT status = S_OK;
  // A server that is busy answers "retry later". Across apartments COM asks the busy-retry
  // message filter; a server in this apartment (or a COM without client-side retries, as Wine's)
  // hands the status back, so the same policy is applied here.
  const ULONGLONG started = GetTickCount64();
  for (;;) {
    status =
        object_->Invoke(member, IID_NULL, GetThreadLocale(), invokeFlags(kind), arguments.params(),
                        wantsResult ? result.out() : nullptr, exception.get(), &argumentError);
    const DWORD delay =
        status == RPC_E_SERVERCALL_RETRYLATER
            ? busyRetryDelay(SERVERCALL_RETRYLATER, static_cast<DWORD>(GetTickCount64() - started))
            : static_cast<DWORD>(-1);
    if (delay == static_cast<DWORD>(-1)) {
      break;
    }
    Sleep(delay);
  }
  if (status == DISP_E_EXCEPTION) {
    throw comException(*exception);
  }
  if (FAILED(status)) {
    throw comFailure(status);
  }
  arguments.copyBack();
  return wantsResult ? fromComVariant(result.get()) : Variant();
}

DispatchPtr wrapComObject(IDispatch* object) {
  return DispatchPtr::adopt(new ComDispatch(Microsoft::WRL::ComPtr<IDispatch>(object)));
}

IDispatch* exportComObject(const DispatchPtr& object) {
  auto* com = dynamic_cast<ComDispatch*>(object.get());
  if (com == nullptr) {
    throw comFailure(DISP_E_TYPEMISMATCH);
  }
  IDispatch* exported = com->comObject();
  exported->AddRef();
  return exported;
}

}  // namespace quirevo
