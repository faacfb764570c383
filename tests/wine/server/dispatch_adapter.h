#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "tests/wine/server/server_context.h"
#include "automation/dispatch_ptr.h"

namespace quirevo::testing {

// Serves one stand-in object over IDispatch, as Excel serves its objects: names resolved without
// regard to case, every Invoke logged (flags, member as the caller spelled it, each argument's
// VARIANT type and value, then how it ended), exceptions reported through EXCEPINFO, objects in
// results served by adapters of their own.
class DispatchAdapter final : public IDispatch {
 public:
  DispatchAdapter(std::shared_ptr<ServerContext> context, DispatchPtr object);
  DispatchAdapter(const DispatchAdapter&) = delete;
  DispatchAdapter& operator=(const DispatchAdapter&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                                   UINT* argumentError) override;

 private:
  ~DispatchAdapter() = default;
  std::string requestText(DISPID member, WORD flags, const DISPPARAMS& params) const;
  void toCom(const Variant& value, VARIANT& result) const;

  // The context outlives the object: members are destroyed last to first.
  std::shared_ptr<ServerContext> context_;
  DispatchPtr object_;
  std::atomic<ULONG> references_ = 1;
  // Names as the caller spelled them, for the log.
  std::map<DISPID, std::string> memberNames_;
  std::map<std::pair<DISPID, DISPID>, std::string> argumentNames_;
};

}  // namespace quirevo::testing
