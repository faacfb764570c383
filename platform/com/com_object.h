#pragma once

#include <windows.h>

#include <wrl/client.h>

#include <atomic>
#include <tuple>
#include <utility>

namespace quirevo {

// Who ends a COM object when its last reference goes.
enum class ComLifetime {
  // The object itself: one made with new and handed to COM.
  DeletedAtZero,
  // The scope that holds it (a static object, a test's object on the stack). The count is kept
  // all the same, so that a reference left behind can be seen.
  Scoped,
};

// IUnknown for an object that implements the listed interfaces: a thread-safe reference count
// that starts at one (its creator's reference), and QueryInterface answering IUnknown and each
// listed interface by its __uuidof. IUnknown is always the first interface's, so the object has
// one identity.
template <ComLifetime kLifetime, class... Interfaces>
class BasicComObject : public Interfaces... {
  static_assert(sizeof...(Interfaces) > 0, "a COM object implements at least one interface");

 public:
  BasicComObject(const BasicComObject&) = delete;
  BasicComObject& operator=(const BasicComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    *object = nullptr;
    if (iid == __uuidof(IUnknown)) {
      *object = static_cast<IUnknown*>(static_cast<First*>(this));
    } else if (!(offer<Interfaces>(iid, object) || ...)) {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if constexpr (kLifetime == ComLifetime::DeletedAtZero) {
      if (left == 0) {
        delete this;
      }
    }
    return left;
  }

 protected:
  BasicComObject() = default;
  virtual ~BasicComObject() = default;

  // The references held now, the creator's included.
  ULONG references() const noexcept { return references_; }

 private:
  using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;

  template <class Interface>
  bool offer(REFIID iid, void** object) {
    if (iid != __uuidof(Interface)) {
      return false;
    }
    *object = static_cast<Interface*>(this);
    return true;
  }

  std::atomic<ULONG> references_ = 1;
};

template <class... Interfaces>
using ComObject = BasicComObject<ComLifetime::DeletedAtZero, Interfaces...>;
template <class... Interfaces>
using ScopedComObject = BasicComObject<ComLifetime::Scoped, Interfaces...>;

// A new object deleted at zero, its creator's reference held by the pointer returned.
template <class Object, class... Arguments>
Microsoft::WRL::ComPtr<Object> makeComObject(Arguments&&... arguments) {
  Microsoft::WRL::ComPtr<Object> object;
  // mingw-w64's ComPtr::Attach adds a reference where Microsoft's does not; taking the new
  // object over through the pointer's address works with both.
  *object.GetAddressOf() = new Object(std::forward<Arguments>(arguments)...);
  return object;
}

}  // namespace quirevo
