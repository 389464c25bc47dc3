#pragma once
// Reference counting and QueryInterface for the library's COM classes, written once: a class
// derives from ComObject<its interfaces...> and says which pointer answers which IID.
#include <objbase.h>

#include <atomic>

#include "com/Module.h"

namespace tavimo::flexolo::com {

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject() { objectCreated(); }
  virtual ~ComObject() { objectDestroyed(); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = interfaceFor(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  // The interface pointer that answers iid (IUnknown included), or nullptr.
  virtual void* interfaceFor(REFIID iid) = 0;

 private:
  std::atomic<ULONG> references_{0};
};

// Keeps an object alive across a call that may hand control to its client.
class KeepAlive {
 public:
  explicit KeepAlive(IUnknown* object) : object_(object) { object_->AddRef(); }
  ~KeepAlive() { object_->Release(); }
  KeepAlive(const KeepAlive&) = delete;
  KeepAlive& operator=(const KeepAlive&) = delete;

 private:
  IUnknown* object_;
};

}  // namespace tavimo::flexolo::com
