#pragma once

#include <map>
#include <memory>
#include <string>

#include "automation/dispatch_ptr.h"
#include "platform/com/dispatch_object.h"
#include "tests/wine/server/server_context.h"

namespace quirevo::testing {

// Serves one stand-in object over IDispatch, as Excel serves its objects: names resolved without
// regard to case, every Invoke logged (flags, member as the caller spelled it, each argument's
// VARIANT type and value, then how it ended), exceptions reported through EXCEPINFO, objects in
// results served by adapters of their own. A call the settings plan to reject as busy, hang or
// die on is logged as such before it is.
class DispatchAdapter final : public DispatchObject<> {
 public:
  DispatchAdapter(std::shared_ptr<ServerContext> context, DispatchPtr object);

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                                   UINT* argumentError) override;

 private:
  ~DispatchAdapter() override = default;
  std::string requestText(DISPID member, WORD flags, const DISPPARAMS& params) const;

  // The context outlives the object: members are destroyed last to first.
  std::shared_ptr<ServerContext> context_;
  DispatchPtr object_;
  // Names as the caller spelled them, for the log.
  std::map<DISPID, std::string> memberNames_;
  std::map<std::pair<DISPID, DISPID>, std::string> argumentNames_;
};

}  // namespace quirevo::testing
