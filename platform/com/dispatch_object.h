#pragma once

#include "platform/com/com_object.h"

namespace quirevo {

// An object served over IDispatch by late binding alone: it has no type information to give.
template <ComLifetime kLifetime = ComLifetime::DeletedAtZero>
class DispatchObject : public BasicComObject<kLifetime, IDispatch> {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr) {
      *info = nullptr;
    }
    return E_NOTIMPL;
  }
};

}  // namespace quirevo
