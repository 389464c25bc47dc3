#pragma once
// The class object that DllGetClassObject hands out: it makes instances of one class and
// holds the library in memory for a client that locks it.
#include <new>

#include "com/ComObject.h"

namespace tavimo::flexolo::com {

template <class Object>
class ClassFactory final : public ComObject<IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* object = new (std::nothrow) Object;
    if (!object) return E_OUTOFMEMORY;
    object->AddRef();
    HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    lockModule(lock != FALSE);
    return S_OK;
  }

 private:
  void* interfaceFor(REFIID iid) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) return static_cast<IClassFactory*>(this);
    return nullptr;
  }
};

}  // namespace tavimo::flexolo::com
