#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "automation/variant.h"
#include "platform/com/unique_bstr.h"

namespace quirevo {

// The by-reference arguments of one call across COM, in either direction. Each links a program
// variable (what a by-reference Variant points at) with a COM variable (what a VT_BYREF VARIANT
// points at). The side the callee writes is a slot kept here, filled with the caller's value;
// copyBack() carries what the callee left in it to the caller's variable after the call.
class ReferenceSlots {
 public:
  ReferenceSlots() = default;
  ReferenceSlots(const ReferenceSlots&) = delete;
  ReferenceSlots& operator=(const ReferenceSlots&) = delete;

  // A call into COM: written over result, a VT_BYREF VARIANT pointing at a slot that holds the
  // value of the program variable the Variant points at.
  void toCom(const Variant& reference, VARIANT& result);
  // A call out of COM: a by-reference Variant pointing at a slot that holds the value of the COM
  // variable the VARIANT points at. Throws ComStatusError (DISP_E_TYPEMISMATCH) for a type
  // other than VT_I4 and VT_BSTR.
  Variant fromCom(const VARIANT& reference);

  void copyBack() const;

 private:
  // Deques: the slots are pointed at, so they must not move as more are added.
  std::deque<LONG> comIntegers_;
  // The callee may free the BSTR of its slot and store another; the slot owns whichever is there.
  std::deque<UniqueBstr> comStrings_;
  std::deque<std::int32_t> integers_;
  std::deque<std::string> strings_;
  std::vector<std::function<void()>> copies_;
};

}  // namespace quirevo
