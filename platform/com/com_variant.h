#pragma once

#include <windows.h>

#include <functional>

#include "automation/variant.h"

namespace quirevo {

// How a program object goes into a VARIANT: the IDispatch that stands for it, with a reference
// of its own for the VARIANT.
using ComObjectExport = std::function<IDispatch*(const DispatchPtr& object)>;

// The VARIANT of a value, written over result: VT_EMPTY, VT_I4, VT_BOOL, VT_BSTR or VT_DISPATCH
// (null for Nothing). A by-reference value has no VARIANT of its own (ReferenceSlots gives it
// one); it throws ComStatusError (DISP_E_TYPEMISMATCH), as exportObject may for an object.
void toComVariant(const Variant& value, VARIANT& result, const ComObjectExport& exportObject);

// A VARIANT as the program sees it: by-reference ones by their value, wider integers as their
// digits where they do not fit, fractions as their text, objects reached through ComDispatch.
// Throws ComStatusError (DISP_E_TYPEMISMATCH) for a type it has no form for.
Variant fromComVariant(const VARIANT& value);

}  // namespace quirevo
