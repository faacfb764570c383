#include "tests/wine/server/dispatch_adapter.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "platform/com/com_error.h"
#include "platform/com/com_variant.h"
#include "platform/com/invoke_flags.h"
#include "platform/com/received_arguments.h"
#include "platform/com/unique_bstr.h"
#include "platform/windows/wide_text.h"
#include "tests/support/spreadsheet_stand_in.h"
#include "tests/wine/server/abrupt_end.h"
#include "tests/wine/server/request_text.h"

namespace quirevo::testing {

namespace {

// The members take integers, booleans and strings, by value or by reference. Any other type is
// refused with a status before the stand-in sees it, so that the log shows what was sent.
void refuseTypesTheMembersNeverTake(const DISPPARAMS& params) {
  static constexpr VARTYPE kTaken[] = {VT_I4, VT_BOOL, VT_BSTR, VT_BYREF | VT_I4,
                                       VT_BYREF | VT_BSTR};
  for (UINT i = 0; i < params.cArgs; ++i) {
    if (std::find(std::begin(kTaken), std::end(kTaken), V_VT(&params.rgvarg[i])) ==
        std::end(kTaken)) {
      throw comFailure(DISP_E_TYPEMISMATCH);
    }
  }
}

}  // namespace

DispatchAdapter::DispatchAdapter(std::shared_ptr<ServerContext> context, DispatchPtr object)
    : context_(std::move(context)), object_(std::move(object)) {}

HRESULT STDMETHODCALLTYPE DispatchAdapter::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count,
                                                         LCID, DISPID* ids) {
  if (iid != IID_NULL || count == 0) {
    return E_INVALIDARG;
  }
  std::vector<std::string> texts;
  for (UINT i = 0; i < count; ++i) {
    texts.push_back(toUtf8(names[i]));
  }
  const std::vector<std::string_view> argumentNames(texts.begin() + 1, texts.end());
  try {
    const std::vector<DispId> found = object_->idsOfNames(texts[0], argumentNames);
    for (UINT i = 0; i < count; ++i) {
      ids[i] = found[i];
    }
  } catch (const AutomationError&) {
    for (UINT i = 0; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
    }
    return DISP_E_UNKNOWNNAME;
  }
  memberNames_[ids[0]] = texts[0];
  for (UINT i = 1; i < count; ++i) {
    argumentNames_[{ids[0], ids[i]}] = texts[i];
  }
  return S_OK;
}

std::string DispatchAdapter::requestText(DISPID member, WORD flags,
                                         const DISPPARAMS& params) const {
  const auto name = memberNames_.find(member);
  std::vector<std::string> arguments;
  for (UINT i = params.cArgs; i > params.cNamedArgs; --i) {
    arguments.push_back(argumentText(params.rgvarg[i - 1]));
  }
  for (UINT i = 0; i < params.cNamedArgs; ++i) {
    const DISPID id = params.rgdispidNamedArgs[i];
    const auto argument = argumentNames_.find({member, id});
    const std::string argumentName = id == DISPID_PROPERTYPUT           ? "DISPID_PROPERTYPUT"
                                     : argument != argumentNames_.end() ? argument->second
                                                                        : "#" + std::to_string(id);
    arguments.push_back(argumentName + "=" + argumentText(params.rgvarg[i]));
  }
  return callText(
      flagsText(flags) + " " + (name != memberNames_.end() ? name->second : std::to_string(member)),
      arguments);
}

HRESULT STDMETHODCALLTYPE DispatchAdapter::Invoke(DISPID member, REFIID iid, LCID, WORD flags,
                                                  DISPPARAMS* params, VARIANT* result,
                                                  EXCEPINFO* error, UINT*) {
  if (iid != IID_NULL || params == nullptr) {
    return E_INVALIDARG;
  }
  const std::string request = requestText(member, flags, *params);
  const auto name = memberNames_.find(member);
  switch (name != memberNames_.end() ? context_->nextCall(name->second) : CallFate::Serve) {
    case CallFate::RejectAsBusy:
      context_->log().write(request + " -> busy");
      return RPC_E_SERVERCALL_RETRYLATER;
    case CallFate::Hang:
      context_->log().write(request + " -> hanging");
      hangForever();
    case CallFate::Die:
      context_->log().write(request + " -> dying");
      dieAtOnce();
    case CallFate::Serve:
      break;
  }
  try {
    const InvokeKind kind = invokeKind(flags);
    refuseTypesTheMembersNeverTake(*params);
    const ReceivedArguments arguments(*params, kind);
    const Variant value = object_->invoke(member, kind, arguments.positional(), arguments.named());
    arguments.copyBack();
    if (result != nullptr) {
      // Objects in results are served by adapters of their own.
      toComVariant(value, *result, [this](const DispatchPtr& object) -> IDispatch* {
        return makeComObject<DispatchAdapter>(context_, object).Detach();
      });
    }
    context_->log().write(request);
    return S_OK;
  } catch (const ComStatusError& failure) {
    char status[16];
    std::snprintf(status, sizeof status, "%08lx", static_cast<unsigned long>(failure.status()));
    context_->log().write(request + " -> status " + status);
    return failure.status();
  } catch (const AutomationError& failure) {
    context_->log().write(request + " -> exception \"" + failure.what() + "\"");
    if (error != nullptr) {
      *error = {};
      error->bstrSource = UniqueBstr("Quirevo test server").release();
      error->bstrDescription = UniqueBstr(failure.what()).release();
      error->scode = DISP_E_EXCEPTION;
    }
    return DISP_E_EXCEPTION;
  } catch (...) {
    // Nothing may cross the COM boundary as a C++ exception.
    context_->log().write(request + " -> unexpected failure");
    return E_UNEXPECTED;
  }
}

}  // namespace quirevo::testing
