#include "platform/com/invoke_flags.h"

#include "platform/com/com_error.h"

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

InvokeKind invokeKind(WORD flags) {
  for (InvokeKind kind :
       {InvokeKind::Get, InvokeKind::IndexedGet, InvokeKind::Put, InvokeKind::Method}) {
    if (invokeFlags(kind) == flags) {
      return kind;
    }
  }
  throw comFailure(DISP_E_MEMBERNOTFOUND);
}

}  // namespace quirevo
