#include "platform/com/dispatch_arguments.h"

#include <string>
#include <utility>

#include "platform/com/com_dispatch.h"
#include "platform/com/com_error.h"
#include "platform/com/unique_variant.h"

namespace quirevo {

WORD invokeFlags(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Get:
      // A name without arguments may be a method or a property; the server picks.
      return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    case InvokeKind::IndexedGet:
      return DISPATCH_PROPERTYGET;
    case InvokeKind::Put:
      return DISPATCH_PROPERTYPUT;
    case InvokeKind::Method:
      return DISPATCH_METHOD;
  }
  return DISPATCH_METHOD;
}

namespace {
std::size_t countOf(std::span<const Variant> positional, std::span<const NamedArgument> named,
                    Variant::Type type) {
  std::size_t count = 0;
  for (const Variant& value : positional) {
    count += value.type() == type;
  }
  for (const NamedArgument& argument : named) {
    count += argument.value.type() == type;
  }
  return count;
}
}  // namespace

DispatchArguments::DispatchArguments(InvokeKind kind, std::span<const Variant> positional,
                                     std::span<const NamedArgument> named) {
  // The slots are sized once, so the pointers handed to the callee stay valid.
  integerSlots_.reserve(countOf(positional, named, Variant::Type::IntegerRef));
  stringSlots_.reserve(countOf(positional, named, Variant::Type::StringRef));
  values_.resize(positional.size() + named.size());
  for (VARIANTARG& value : values_) {
    VariantInit(&value);
  }

  // Named arguments lead rgvarg, in the order of rgdispidNamedArgs. The value of a put is named
  // DISPID_PROPERTYPUT, which servers require; it is the last positional argument.
  std::size_t next = 0;
  std::span<const Variant> ordinary = positional;
  if (kind == InvokeKind::Put && !positional.empty()) {
    namedIds_.push_back(DISPID_PROPERTYPUT);
    assign(values_[next++], positional.back());
    ordinary = positional.first(positional.size() - 1);
  }
  for (const NamedArgument& argument : named) {
    namedIds_.push_back(argument.id);
    assign(values_[next++], argument.value);
  }
  // Positional arguments follow in reverse: the last parameter first.
  for (auto it = ordinary.rbegin(); it != ordinary.rend(); ++it) {
    assign(values_[next++], *it);
  }

  params_.rgvarg = values_.empty() ? nullptr : values_.data();
  params_.cArgs = static_cast<UINT>(values_.size());
  params_.rgdispidNamedArgs = namedIds_.empty() ? nullptr : namedIds_.data();
  params_.cNamedArgs = static_cast<UINT>(namedIds_.size());
}

DispatchArguments::~DispatchArguments() {
  for (VARIANTARG& value : values_) {
    VariantClear(&value);
  }
}

void DispatchArguments::assign(VARIANT& slot, const Variant& value) {
  switch (value.type()) {
    case Variant::Type::Empty:
      V_VT(&slot) = VT_EMPTY;
      break;
    case Variant::Type::Integer:
      V_VT(&slot) = VT_I4;
      V_I4(&slot) = value.integerValue();
      break;
    case Variant::Type::Boolean:
      V_VT(&slot) = VT_BOOL;
      V_BOOL(&slot) = value.booleanValue() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case Variant::Type::String:
      V_BSTR(&slot) = UniqueBstr(value.stringValue()).release();
      V_VT(&slot) = VT_BSTR;
      break;
    case Variant::Type::Object: {
      IDispatch* object = nullptr;
      if (value.objectValue()) {
        object = comObjectOf(*value.objectValue());
        if (object == nullptr) {
          // Only objects of a COM server can be handed to another one.
          throw comFailure(DISP_E_TYPEMISMATCH);
        }
        object->AddRef();
      }
      V_VT(&slot) = VT_DISPATCH;
      V_DISPATCH(&slot) = object;
      break;
    }
    case Variant::Type::IntegerRef: {
      LONG& target = integerSlots_.emplace_back(*value.integerTarget());
      integerTargets_.emplace_back(value.integerTarget(), &target);
      V_VT(&slot) = VT_BYREF | VT_I4;
      V_I4REF(&slot) = &target;
      break;
    }
    case Variant::Type::StringRef: {
      UniqueBstr& target = stringSlots_.emplace_back(*value.stringTarget());
      stringTargets_.emplace_back(value.stringTarget(), &target);
      V_VT(&slot) = VT_BYREF | VT_BSTR;
      // The callee may free this BSTR and store another; the slot owns whichever is there.
      V_BSTRREF(&slot) = target.inOut();
      break;
    }
  }
}

void DispatchArguments::copyBack() const {
  for (const auto& [caller, slot] : integerTargets_) {
    *caller = *slot;
  }
  for (const auto& [caller, slot] : stringTargets_) {
    *caller = slot->text();
  }
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

// Wider integers: an integer where the value fits, otherwise its digits. The range is checked
// here because not every VariantChangeType reports the overflow.
template <class Wide>
Variant integerOrDigits(Wide value) {
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
