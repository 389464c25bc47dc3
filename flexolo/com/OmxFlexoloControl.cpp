#include "com/OmxFlexoloControl.h"

#include "FlexoloDispatch.h"
#include "com/AboutBox.h"
#include "com/DispatchTable.h"
#include "com/HostLayoutForm.h"

namespace tavimo::flexolo::com {
namespace {

// {F1E43C71-EA66-4650-8D57-9AB801E7C2A5}
constexpr IID omxFlexoloInterfaceId = {
    0xf1e43c71, 0xea66, 0x4650, {0x8d, 0x57, 0x9a, 0xb8, 0x01, 0xe7, 0xc2, 0xa5}};

const DispatchTable& omxFlexoloInterface() {
  static const DispatchTable table(
      L"_omxFlexolo", omxFlexoloInterfaceId,
      {{DISPID_FLEXOLO_RESIZE, L"Resize", INVOKE_FUNC, VT_EMPTY, L"Resize The Controls"},
       {DISPID_FLEXOLO_SAVECONTROLPOSITIONS, L"SaveControlPositions", INVOKE_FUNC, VT_EMPTY,
        nullptr},
       {DISPID_FLEXOLO_ABOUT, L"About", INVOKE_FUNC, VT_EMPTY, nullptr}});
  return table;
}

HRESULT noFormError(EXCEPINFO* exception) {
  if (!exception) return E_UNEXPECTED;
  *exception = EXCEPINFO{};
  exception->scode = E_UNEXPECTED;
  exception->bstrSource = SysAllocString(L"Flexolo.omxFlexolo");
  exception->bstrDescription =
      SysAllocString(L"The control has no form to lay out: the form has not called SetHost.");
  return DISP_E_EXCEPTION;
}

}  // namespace

void* OmxFlexoloControl::interfaceFor(REFIID iid) {
  if (iid == IID_IUnknown || iid == IID_IDispatch) return static_cast<IDispatch*>(this);
  if (iid == IID_IFlexoloSite) return static_cast<IFlexoloSite*>(this);
  return nullptr;
}

const DispatchTable& OmxFlexoloControl::dispatchTable() const { return omxFlexoloInterface(); }

HRESULT OmxFlexoloControl::Invoke(DISPID id, REFIID reserved, LCID, WORD flags,
                                  DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                  UINT*) {
  if (id != DISPID_FLEXOLO_RESIZE && id != DISPID_FLEXOLO_SAVECONTROLPOSITIONS &&
      id != DISPID_FLEXOLO_ABOUT)
    return DISP_E_MEMBERNOTFOUND;
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (HRESULT hr = checkInvoke(reserved, params, 0); FAILED(hr)) return hr;
  if (result) VariantInit(result);

  // The form may release the control while it is being laid out or while About is open.
  KeepAlive alive(static_cast<IDispatch*>(this));
  switch (id) {
    case DISPID_FLEXOLO_RESIZE: return runOnForm(&OmxFlexolo::resize, exception);
    case DISPID_FLEXOLO_SAVECONTROLPOSITIONS:
      return runOnForm(&OmxFlexolo::saveControlPositions, exception);
    default:  // About: modal, owned by the window the user is working in
      showAboutBox(GetActiveWindow());
      return S_OK;
  }
}

HRESULT OmxFlexoloControl::runOnForm(void (OmxFlexolo::*operation)(LayoutForm&),
                                     EXCEPINFO* exception) {
  Microsoft::WRL::ComPtr<IFlexoloHost> host = host_;  // the form may let go of it meanwhile
  if (!host) return noFormError(exception);
  HostLayoutForm form(*host.Get());
  (layout_.*operation)(form);
  return S_OK;
}

HRESULT OmxFlexoloControl::SetHost(IFlexoloHost* host) {
  host_ = host;
  if (!host) return S_OK;
  KeepAlive alive(static_cast<IDispatch*>(this));
  Microsoft::WRL::ComPtr<IFlexoloHost> bound = host;
  HostLayoutForm form(*bound.Get());
  layout_.saveControlPositions(form);
  return S_OK;
}

}  // namespace tavimo::flexolo::com
