#include "platform/com/com_variant.h"

#include <wrl/client.h>

#include <cstdint>
#include <string>
#include <utility>

#include "platform/com/com_dispatch.h"
#include "platform/com/com_error.h"
#include "platform/com/unique_bstr.h"
#include "platform/com/unique_variant.h"

namespace quirevo {

void toComVariant(const Variant& value, VARIANT& result, const ComObjectExport& exportObject) {
  VariantInit(&result);
  switch (value.type()) {
    case Variant::Type::Empty:
      return;
    case Variant::Type::Integer:
      V_VT(&result) = VT_I4;
      V_I4(&result) = value.integerValue();
      return;
    case Variant::Type::Boolean:
      V_VT(&result) = VT_BOOL;
      V_BOOL(&result) = value.booleanValue() ? VARIANT_TRUE : VARIANT_FALSE;
      return;
    case Variant::Type::String:
      V_BSTR(&result) = UniqueBstr(value.stringValue()).release();
      V_VT(&result) = VT_BSTR;
      return;
    case Variant::Type::Object:
      V_DISPATCH(&result) = value.objectValue() ? exportObject(value.objectValue()) : nullptr;
      V_VT(&result) = VT_DISPATCH;
      return;
    case Variant::Type::IntegerRef:
    case Variant::Type::StringRef:
      break;
  }
  throw comFailure(DISP_E_TYPEMISMATCH);
}

namespace {

// The conversion functions take their source as non-const but leave it unchanged.
VARIANT* source(const VARIANT& value) {
  return const_cast<VARIANT*>(&value);
}

Variant asText(const VARIANT& value) {
  UniqueVariant converted;
  const HRESULT status =
      VariantChangeTypeEx(converted.out(), source(value), GetThreadLocale(), 0, VT_BSTR);
  if (FAILED(status)) {
    throw comFailure(status);
  }
  return Variant::string(bstrText(V_BSTR(&converted.get())));
}

// An integer where the value fits, otherwise its digits. The range is checked here because not
// every VariantChangeType reports the overflow.
template <class Integer>
Variant integerOrDigits(Integer value) {
  if (std::in_range<std::int32_t>(value)) {
    return Variant::integer(static_cast<std::int32_t>(value));
  }
  return Variant::string(std::to_string(value));
}

}  // namespace

Variant fromComVariant(const VARIANT& value) {
  if ((V_VT(&value) & VT_BYREF) != 0) {
    UniqueVariant direct;
    const HRESULT status = VariantCopyInd(direct.out(), source(value));
    if (FAILED(status)) {
      throw comFailure(status);
    }
    return fromComVariant(direct.get());
  }
  switch (V_VT(&value)) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_ERROR:  // an omitted value
      return Variant();
    case VT_I4:
      return Variant::integer(V_I4(&value));
    case VT_INT:
      return Variant::integer(V_INT(&value));
    case VT_I2:
      return Variant::integer(V_I2(&value));
    case VT_I1:
      return Variant::integer(V_I1(&value));
    case VT_UI1:
      return Variant::integer(V_UI1(&value));
    case VT_UI2:
      return Variant::integer(V_UI2(&value));
    case VT_BOOL:
      return Variant::boolean(V_BOOL(&value) != VARIANT_FALSE);
    case VT_BSTR:
      return Variant::string(bstrText(V_BSTR(&value)));
    case VT_DISPATCH:
      return Variant::object(V_DISPATCH(&value) == nullptr ? DispatchPtr()
                                                           : wrapComObject(V_DISPATCH(&value)));
    case VT_UNKNOWN: {
      if (V_UNKNOWN(&value) == nullptr) {
        return Variant::object(DispatchPtr());
      }
      Microsoft::WRL::ComPtr<IDispatch> object;
      const HRESULT status = V_UNKNOWN(&value)->QueryInterface(IID_PPV_ARGS(&object));
      if (FAILED(status)) {
        throw comFailure(status);
      }
      return Variant::object(wrapComObject(object.Get()));
    }
    case VT_UI4:
      return integerOrDigits(V_UI4(&value));
    case VT_UINT:
      return integerOrDigits(V_UINT(&value));
    case VT_I8:
      return integerOrDigits(V_I8(&value));
    case VT_UI8:
      return integerOrDigits(V_UI8(&value));
    case VT_R4:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
    case VT_DECIMAL:
      // Their text keeps the fraction that an integer would round away.
      return asText(value);
    default:
      throw comFailure(DISP_E_TYPEMISMATCH);
  }
}

}  // namespace quirevo
