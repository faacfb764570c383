#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/com/dispatch_object.h"

namespace quirevo::testing {

// What one Invoke brought: the member, flags, the arguments as they lie in rgvarg, the named
// ids, and whether a result was asked for.
struct InvokeRecord {
  DISPID member = 0;
  WORD flags = 0;
  LCID locale = 0;
  std::vector<VARTYPE> types;       // rgvarg order
  std::vector<std::string> values;  // rgvarg order, as describe() writes them
  std::vector<DISPID> namedIds;
  bool resultRequested = false;
};

// A strict IDispatch stand-in: members are known by name (without regard to case), every call is
// recorded, each member answers through a scripted response, and references are counted.
class RecordingDispatch final : public DispatchObject<ComLifetime::Scoped> {
 public:
  using Response = std::function<HRESULT(DISPPARAMS& params, VARIANT* result, EXCEPINFO* error)>;

  explicit RecordingDispatch(std::map<std::wstring, DISPID> members);
  RecordingDispatch(const RecordingDispatch&) = delete;
  RecordingDispatch& operator=(const RecordingDispatch&) = delete;
  ~RecordingDispatch() override;

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                                   UINT* argumentError) override;

  void respond(DISPID member, Response response) { responses_[member] = std::move(response); }

  // The references others hold, beyond the one the test owns (stack object, never deleted).
  ULONG foreignReferences() const { return references() - 1; }
  std::vector<std::vector<std::wstring>> nameRequests;
  std::vector<LCID> nameLocales;
  std::vector<InvokeRecord> invokes;

 private:
  std::map<std::wstring, DISPID> members_;  // lower-case names
  std::map<DISPID, Response> responses_;
};

// "I4 3", "BOOL -1", "BSTR x", "I4& 3", "BSTR& x", "DISPATCH", "EMPTY"
std::string describe(const VARIANT& value);

}  // namespace quirevo::testing
