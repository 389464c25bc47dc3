#pragma once
// OHLink as a COM control ("Flexolo.OHLink"): its two texts through IDispatch, their storage
// through IPersistPropertyBag, its events and property change notices through connection
// points, and a window in its container's window through IOleObject::DoVerb.
#include <ocidl.h>
#include <oleidl.h>
#include <wrl/client.h>

#include "com/DispatchObject.h"
#include "com/ConnectionPoint.h"
#include "com/OHLinkWindow.h"
#include "com/SystemShell.h"

namespace tavimo::flexolo::com {

class OHLinkControl final
    : public DispatchObject<IPersistPropertyBag, IConnectionPointContainer, IOleObject>,
      private OHLinkEvents {
 public:
  OHLinkControl();
  ~OHLinkControl() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID reserved, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argErr) override;

  // IPersistPropertyBag
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* id) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

  // IConnectionPointContainer
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

  // IOleObject: the site (for the ambient display name and font), showing, size, class.
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
  HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD which, IMoniker* moniker) override;
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** out) override;
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject* data, BOOL creation,
                                         DWORD reserved) override;
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD reserved, IDataObject** out) override;
  HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index,
                                   HWND parent, LPCRECT position) override;
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** out) override;
  HRESULT STDMETHODCALLTYPE Update() override;
  HRESULT STDMETHODCALLTYPE IsUpToDate() override;
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* id) override;
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override;
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** out) override;
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE* palette) override;

 private:
  void* interfaceFor(REFIID iid) override;
  const DispatchTable& dispatchTable() const override;

  // What the link raises, passed on to the container's sinks.
  void propertyChanged(const std::string& name) override;
  void click() override;
  void dblClick() override;
  void mouseDown(const MouseEventArgs& args) override;
  void mouseMove(const MouseEventArgs& args) override;
  void mouseUp(const MouseEventArgs& args) override;
  void fire(DISPID event, VARIANT* argsLastFirst = nullptr, UINT count = 0);
  void fireMouse(DISPID event, const MouseEventArgs& args);

  HRESULT ambient(DISPID id, VARIANT* value);
  std::string displayName();
  void takeAmbientFont();

  SystemShell shell_;
  OHLinkWindow window_{shell_, *this};
  Microsoft::WRL::ComPtr<IOleClientSite> site_;
  Microsoft::WRL::ComPtr<IFont> ambientFont_;  // keeps the font handle the window uses alive
  Microsoft::WRL::ComPtr<ConnectionPoint> events_;
  Microsoft::WRL::ComPtr<ConnectionPoint> propertyNotices_;
};

}  // namespace tavimo::flexolo::com
