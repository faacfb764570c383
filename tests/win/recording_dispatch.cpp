#include "tests/win/recording_dispatch.h"

#include <cwctype>

#include "tests/win/variant_text.h"

namespace quirevo::testing {

namespace {
std::wstring lowered(std::wstring text) {
  for (wchar_t& c : text) {
    c = static_cast<wchar_t>(std::towlower(c));
  }
  return text;
}
}  // namespace

RecordingDispatch::RecordingDispatch(std::map<std::wstring, DISPID> members) {
  for (auto& [name, id] : members) {
    members_[lowered(name)] = id;
  }
}

RecordingDispatch::~RecordingDispatch() = default;

HRESULT STDMETHODCALLTYPE RecordingDispatch::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count,
                                                           LCID locale, DISPID* ids) {
  if (iid != IID_NULL) {
    return DISP_E_UNKNOWNINTERFACE;
  }
  nameRequests.emplace_back(names, names + count);
  nameLocales.push_back(locale);
  HRESULT status = S_OK;
  for (UINT i = 0; i < count; ++i) {
    const auto found = members_.find(lowered(names[i]));
    ids[i] = found == members_.end() ? DISPID_UNKNOWN : found->second;
    if (found == members_.end()) {
      status = DISP_E_UNKNOWNNAME;
    }
  }
  return status;
}

HRESULT STDMETHODCALLTYPE RecordingDispatch::Invoke(DISPID member, REFIID iid, LCID locale,
                                                    WORD flags, DISPPARAMS* params, VARIANT* result,
                                                    EXCEPINFO* error, UINT*) {
  if (iid != IID_NULL || params == nullptr) {
    return E_INVALIDARG;
  }
  InvokeRecord record{member, flags, locale, {}, {}, {}, result != nullptr};
  for (UINT i = 0; i < params->cArgs; ++i) {
    record.types.push_back(V_VT(&params->rgvarg[i]));
    record.values.push_back(describe(params->rgvarg[i]));
  }
  record.namedIds.assign(params->rgdispidNamedArgs, params->rgdispidNamedArgs + params->cNamedArgs);
  invokes.push_back(record);
  const auto response = responses_.find(member);
  if (response == responses_.end()) {
    return DISP_E_MEMBERNOTFOUND;
  }
  return response->second(*params, result, error);
}

std::string describe(const VARIANT& value) {
  static constexpr VariantNotation kNotation{.referenceSuffix = "&", .markNullObjects = true};
  return describeVariant(value, kNotation);
}

}  // namespace quirevo::testing
