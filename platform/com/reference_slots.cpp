#include "platform/com/reference_slots.h"

#include <utility>

#include "platform/com/com_error.h"

namespace quirevo {

void ReferenceSlots::toCom(const Variant& reference, VARIANT& result) {
  VariantInit(&result);
  switch (reference.type()) {
    case Variant::Type::IntegerRef: {
      std::int32_t* caller = reference.integerTarget();
      LONG* slot = &comIntegers_.emplace_back(*caller);
      copies_.emplace_back([caller, slot] { *caller = *slot; });
      V_VT(&result) = VT_BYREF | VT_I4;
      V_I4REF(&result) = slot;
      return;
    }
    case Variant::Type::StringRef: {
      std::string* caller = reference.stringTarget();
      UniqueBstr* slot = &comStrings_.emplace_back(*caller);
      copies_.emplace_back([caller, slot] { *caller = slot->text(); });
      V_VT(&result) = VT_BYREF | VT_BSTR;
      V_BSTRREF(&result) = slot->inOut();
      return;
    }
    default:
      throw comFailure(DISP_E_TYPEMISMATCH);
  }
}

Variant ReferenceSlots::fromCom(const VARIANT& reference) {
  switch (V_VT(&reference)) {
    case VT_BYREF | VT_I4: {
      LONG* caller = V_I4REF(&reference);
      std::int32_t* slot = &integers_.emplace_back(*caller);
      copies_.emplace_back([caller, slot] { *caller = *slot; });
      return Variant::integerRef(*slot);
    }
    case VT_BYREF | VT_BSTR: {
      BSTR* caller = V_BSTRREF(&reference);
      std::string* slot = &strings_.emplace_back(bstrText(*caller));
      copies_.emplace_back([caller, slot] {
        // The caller's old string is ours to free once the new one is in its place.
        const UniqueBstr old =
            UniqueBstr::adopt(std::exchange(*caller, UniqueBstr(*slot).release()));
      });
      return Variant::stringRef(*slot);
    }
    default:
      throw comFailure(DISP_E_TYPEMISMATCH);
  }
}

void ReferenceSlots::copyBack() const {
  for (const std::function<void()>& copy : copies_) {
    copy();
  }
}

}  // namespace quirevo
