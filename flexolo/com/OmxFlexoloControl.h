#pragma once
// omxFlexolo as a COM object: late-bound Resize, SaveControlPositions and About, and the
// IFlexoloSite through which the form it lays out is handed over.
#include <wrl/client.h>

#include "FlexoloHost.h"
#include "com/ComObject.h"
#include "core/OmxFlexolo.h"

namespace tavimo::flexolo::com {

class OmxFlexoloControl final : public ComObject<IDispatch, IFlexoloSite> {
 public:
  ~OmxFlexoloControl() override;

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** out) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID reserved, LPOLESTR* names, UINT count,
                                          LCID locale, DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID reserved, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argErr) override;

  HRESULT STDMETHODCALLTYPE SetHost(IFlexoloHost* host) override;

 private:
  void* interfaceFor(REFIID iid) override;
  HRESULT runOnForm(void (OmxFlexolo::*operation)(LayoutForm&), EXCEPINFO* exception);

  OmxFlexolo layout_;
  Microsoft::WRL::ComPtr<IFlexoloHost> host_;
  ITypeInfo* typeInfo_ = nullptr;
};

}  // namespace tavimo::flexolo::com
