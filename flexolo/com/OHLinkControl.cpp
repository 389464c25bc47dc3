#include "com/OHLinkControl.h"

#include <olectl.h>

#include <new>

#include "FlexoloDispatch.h"
#include "com/DispatchTable.h"
#include "com/Text.h"
#include "com/Twips.h"

namespace tavimo::flexolo::com {
namespace {

// {BED950FB-5ECA-42B4-A4FB-DB982C2F4F30}
constexpr IID ohLinkInterfaceId = {
    0xbed950fb, 0x5eca, 0x42b4, {0xa4, 0xfb, 0xdb, 0x98, 0x2c, 0x2f, 0x4f, 0x30}};

// Without a container to name it, the control calls itself by its class.
constexpr char fallbackDisplayName[] = "OHLink";

const DispatchTable& ohLinkInterface() {
  constexpr const wchar_t* hyperLinkHelp =
      L"Returns/sets the url to jump to using your default web browser";
  constexpr const wchar_t* captionHelp = L"Returns/sets the captions for an  object";
  static const DispatchTable table(
      L"_OHLink", ohLinkInterfaceId,
      {{DISPID_OHLINK_HYPERLINK, L"HyperLink", INVOKE_PROPERTYGET, VT_BSTR, hyperLinkHelp},
       {DISPID_OHLINK_HYPERLINK, L"HyperLink", INVOKE_PROPERTYPUT, VT_EMPTY, hyperLinkHelp,
        {{L"HyperLink", VT_BSTR}}},
       {DISPID_OHLINK_CAPTION, L"Caption", INVOKE_PROPERTYGET, VT_BSTR, captionHelp},
       {DISPID_OHLINK_CAPTION, L"Caption", INVOKE_PROPERTYPUT, VT_EMPTY, captionHelp,
        {{L"Caption", VT_BSTR}}}});
  return table;
}

// The container's property bag as the link's storage.
class BagStore final : public PropertyStore {
 public:
  BagStore(IPropertyBag& bag, IErrorLog* log) : bag_(bag), log_(log) {}

  std::optional<std::string> read(const std::string& name) override {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    std::wstring wideName = wideFromAnsi(name);
    if (FAILED(bag_.Read(wideName.c_str(), &value, log_))) return std::nullopt;
    std::optional<std::string> text;
    if (SUCCEEDED(VariantChangeType(&value, &value, 0, VT_BSTR)))
      text = ansiFromBstr(value.bstrVal);
    VariantClear(&value);
    return text;
  }
  void write(const std::string& name, const std::string& text) override {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = bstrFromAnsi(text);
    std::wstring wideName = wideFromAnsi(name);
    bag_.Write(wideName.c_str(), &value);
    VariantClear(&value);
  }

 private:
  IPropertyBag& bag_;
  IErrorLog* log_;
};

VARIANT shortVariant(int16_t value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}

VARIANT floatVariant(float value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R4;
  v.fltVal = value;
  return v;
}

constexpr LONG himetricPerInch = 2540, twipsPerInch = 1440;

}  // namespace

OHLinkControl::OHLinkControl() {
  events_.Attach(new ConnectionPoint(*this, DIID_OHLinkEvents, true));
  events_->AddRef();
  propertyNotices_.Attach(new ConnectionPoint(*this, IID_IPropertyNotifySink, false));
  propertyNotices_->AddRef();
}

OHLinkControl::~OHLinkControl() {
  events_->detach();
  propertyNotices_->detach();
}

void* OHLinkControl::interfaceFor(REFIID iid) {
  if (iid == IID_IUnknown || iid == IID_IDispatch) return static_cast<IDispatch*>(this);
  if (iid == IID_IPersistPropertyBag || iid == IID_IPersist)
    return static_cast<IPersistPropertyBag*>(this);
  if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
  if (iid == IID_IOleObject) return static_cast<IOleObject*>(this);
  return nullptr;
}

// --- IDispatch -----------------------------------------------------------------------------

const DispatchTable& OHLinkControl::dispatchTable() const { return ohLinkInterface(); }

HRESULT OHLinkControl::Invoke(DISPID id, REFIID reserved, LCID, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO*, UINT* argErr) {
  if (id != DISPID_OHLINK_HYPERLINK && id != DISPID_OHLINK_CAPTION) return DISP_E_MEMBERNOTFOUND;
  OHLink& link = window_.link();
  KeepAlive alive(static_cast<IDispatch*>(this));

  if (flags & DISPATCH_PROPERTYGET) {
    if (HRESULT hr = checkInvoke(reserved, params, 0); FAILED(hr)) return hr;
    if (!result) return S_OK;
    VariantInit(result);
    result->vt = VT_BSTR;
    result->bstrVal =
        bstrFromAnsi(id == DISPID_OHLINK_HYPERLINK ? link.hyperLink() : link.caption());
    return result->bstrVal ? S_OK : E_OUTOFMEMORY;
  }
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (HRESULT hr = checkInvoke(reserved, params, 1); FAILED(hr)) return hr;
    BSTR text = nullptr;
    if (HRESULT hr = textArgument(params, &text, argErr); FAILED(hr)) return hr;
    std::string value = ansiFromBstr(text);
    SysFreeString(text);
    if (id == DISPID_OHLINK_HYPERLINK)
      link.setHyperLink(std::move(value));
    else
      link.setCaption(std::move(value));
    return S_OK;
  }
  return DISP_E_MEMBERNOTFOUND;
}

// --- IPersistPropertyBag -------------------------------------------------------------------

HRESULT OHLinkControl::GetClassID(CLSID* id) {
  if (!id) return E_POINTER;
  *id = CLSID_OHLink;
  return S_OK;
}

HRESULT OHLinkControl::InitNew() {
  takeAmbientFont();
  window_.link().initNew(displayName());
  return S_OK;
}

HRESULT OHLinkControl::Load(IPropertyBag* bag, IErrorLog* log) {
  if (!bag) return E_POINTER;
  BagStore store(*bag, log);
  window_.link().readProperties(store, displayName());
  return S_OK;
}

HRESULT OHLinkControl::Save(IPropertyBag* bag, BOOL, BOOL) {
  if (!bag) return E_POINTER;
  BagStore store(*bag, nullptr);
  window_.link().writeProperties(store, displayName());
  return S_OK;
}

// --- IConnectionPointContainer -------------------------------------------------------------

HRESULT OHLinkControl::EnumConnectionPoints(IEnumConnectionPoints** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT OHLinkControl::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (ConnectionPoint* point : {events_.Get(), propertyNotices_.Get()}) {
    if (point->iid() == iid) {
      point->AddRef();
      *out = point;
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

// --- Events --------------------------------------------------------------------------------

void OHLinkControl::propertyChanged(const std::string& name) {
  DISPID id = name == OHLink::hyperLinkProperty ? DISPID_OHLINK_HYPERLINK : DISPID_OHLINK_CAPTION;
  propertyNotices_->forEachSink<IPropertyNotifySink>(
      [&](IPropertyNotifySink* sink) { sink->OnChanged(id); });
}

void OHLinkControl::click() { fire(DISPID_OHLINK_CLICK); }
void OHLinkControl::dblClick() { fire(DISPID_OHLINK_DBLCLICK); }
void OHLinkControl::mouseDown(const MouseEventArgs& args) {
  fireMouse(DISPID_OHLINK_MOUSEDOWN, args);
}
void OHLinkControl::mouseMove(const MouseEventArgs& args) {
  fireMouse(DISPID_OHLINK_MOUSEMOVE, args);
}
void OHLinkControl::mouseUp(const MouseEventArgs& args) { fireMouse(DISPID_OHLINK_MOUSEUP, args); }

void OHLinkControl::fireMouse(DISPID event, const MouseEventArgs& args) {
  VARIANT lastFirst[] = {floatVariant(args.y), floatVariant(args.x), shortVariant(args.shift),
                         shortVariant(args.button)};
  fire(event, lastFirst, 4);
}

void OHLinkControl::fire(DISPID event, VARIANT* argsLastFirst, UINT count) {
  KeepAlive alive(static_cast<IDispatch*>(this));  // a handler may release the control
  DISPPARAMS params{argsLastFirst, nullptr, count, 0};
  events_->forEachSink<IDispatch>([&](IDispatch* sink) {
    sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                 nullptr, nullptr);
  });
}

// --- Ambient properties --------------------------------------------------------------------

HRESULT OHLinkControl::ambient(DISPID id, VARIANT* value) {
  VariantInit(value);
  Microsoft::WRL::ComPtr<IDispatch> ambients;
  if (!site_ || FAILED(site_->QueryInterface(IID_IDispatch,
                                             reinterpret_cast<void**>(ambients.GetAddressOf()))))
    return E_NOINTERFACE;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return ambients->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value,
                          nullptr, nullptr);
}

std::string OHLinkControl::displayName() {
  VARIANT name;
  std::string text = fallbackDisplayName;
  if (SUCCEEDED(ambient(DISPID_AMBIENT_DISPLAYNAME, &name)) &&
      SUCCEEDED(VariantChangeType(&name, &name, 0, VT_BSTR)))
    text = ansiFromBstr(name.bstrVal);
  VariantClear(&name);
  return text;
}

void OHLinkControl::takeAmbientFont() {
  VARIANT font;
  Microsoft::WRL::ComPtr<IFont> ambientFont;
  HFONT handle = nullptr;
  if (SUCCEEDED(ambient(DISPID_AMBIENT_FONT, &font)) &&
      (font.vt == VT_DISPATCH || font.vt == VT_UNKNOWN) && font.punkVal &&
      SUCCEEDED(font.punkVal->QueryInterface(IID_IFont,
                                             reinterpret_cast<void**>(ambientFont.GetAddressOf()))))
    ambientFont->get_hFont(&handle);
  VariantClear(&font);
  if (!handle) return;
  ambientFont_ = ambientFont;
  window_.setFont(handle);
}

// --- IOleObject ----------------------------------------------------------------------------

HRESULT OHLinkControl::SetClientSite(IOleClientSite* site) {
  site_ = site;
  if (site) takeAmbientFont();
  return S_OK;
}

HRESULT OHLinkControl::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = site_.Get();
  if (*site) (*site)->AddRef();
  return S_OK;
}

HRESULT OHLinkControl::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT OHLinkControl::Close(DWORD) {
  window_.destroy();
  return S_OK;
}

HRESULT OHLinkControl::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT OHLinkControl::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT OHLinkControl::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT OHLinkControl::GetClipboardData(DWORD, IDataObject** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT OHLinkControl::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent,
                              LPCRECT position) {
  switch (verb) {
    case OLEIVERB_HIDE:
      if (window_.hwnd()) ShowWindow(window_.hwnd(), SW_HIDE);
      return S_OK;
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_OPEN:
    case OLEIVERB_UIACTIVATE:
    case OLEIVERB_INPLACEACTIVATE:
      if (window_.hwnd()) {
        ShowWindow(window_.hwnd(), SW_SHOWNA);
        return S_OK;
      }
      if (!parent || !position) return E_INVALIDARG;
      return window_.create(parent, 0, position->left, position->top) ? S_OK : E_FAIL;
    default: return OLEOBJ_S_INVALIDVERB;
  }
}

HRESULT OHLinkControl::EnumVerbs(IEnumOLEVERB** out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

HRESULT OHLinkControl::Update() { return S_OK; }
HRESULT OHLinkControl::IsUpToDate() { return S_OK; }

HRESULT OHLinkControl::GetUserClassID(CLSID* id) { return GetClassID(id); }

HRESULT OHLinkControl::GetUserType(DWORD, LPOLESTR* name) {
  if (name) *name = nullptr;
  return OLE_S_USEREG;
}

// The control takes its label's size; the container cannot size it otherwise.
HRESULT OHLinkControl::SetExtent(DWORD, SIZEL*) { return E_FAIL; }

HRESULT OHLinkControl::GetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  Size twips = window_.size();
  size->cx = MulDiv(twips.width, himetricPerInch, twipsPerInch);
  size->cy = MulDiv(twips.height, himetricPerInch, twipsPerInch);
  return S_OK;
}

HRESULT OHLinkControl::Advise(IAdviseSink*, DWORD* connection) {
  if (connection) *connection = 0;
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT OHLinkControl::Unadvise(DWORD) { return OLE_E_NOCONNECTION; }

HRESULT OHLinkControl::EnumAdvise(IEnumSTATDATA** out) {
  if (out) *out = nullptr;
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT OHLinkControl::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
            OLEMISC_CANTLINKINSIDE;
  return S_OK;
}

HRESULT OHLinkControl::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace tavimo::flexolo::com
