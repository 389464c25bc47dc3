#pragma once
// omxFlexolo as a COM object: late-bound Resize, SaveControlPositions and About, and the
// IFlexoloSite through which the form it lays out is handed over.
#include <wrl/client.h>

#include "FlexoloHost.h"
#include "com/DispatchObject.h"
#include "core/OmxFlexolo.h"

namespace tavimo::flexolo::com {

class OmxFlexoloControl final : public DispatchObject<IFlexoloSite> {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID reserved, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argErr) override;

  HRESULT STDMETHODCALLTYPE SetHost(IFlexoloHost* host) override;

 private:
  void* interfaceFor(REFIID iid) override;
  const DispatchTable& dispatchTable() const override;
  HRESULT runOnForm(void (OmxFlexolo::*operation)(LayoutForm&), EXCEPINFO* exception);

  OmxFlexolo layout_;
  Microsoft::WRL::ComPtr<IFlexoloHost> host_;
};

}  // namespace tavimo::flexolo::com
