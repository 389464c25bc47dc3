#pragma once
// The table-driven part of IDispatch, written once: a class derives from
// DispatchObject<its other interfaces...>, names its table and implements only Invoke.
#include "com/ComObject.h"
#include "com/DispatchTable.h"

namespace tavimo::flexolo::com {

template <class... Others>
class DispatchObject : public ComObject<IDispatch, Others...> {
 public:
  ~DispatchObject() override {
    if (typeInfo_) typeInfo_->Release();
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    return provideTypeInfo(dispatchTable(), typeInfo_, index, out);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID reserved, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (reserved != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    return dispatchTable().idsOfNames(names, count, ids);
  }

 protected:
  // The dispatch interface this object answers by name.
  virtual const DispatchTable& dispatchTable() const = 0;

 private:
  ITypeInfo* typeInfo_ = nullptr;
};

}  // namespace tavimo::flexolo::com
