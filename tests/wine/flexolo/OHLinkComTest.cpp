#include <gtest/gtest.h>

#include <olectl.h>
#include <wrl/client.h>

#include <map>
#include <vector>

#include "ComTestSupport.h"
#include "FlexoloDispatch.h"
#include "TestForm.h"

using Microsoft::WRL::ComPtr;

namespace flexolo_test {
namespace {

// The test's objects live on its stack: reference counts are not needed.
#define STACK_COM_UNKNOWN                                              \
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }              \
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

// A container's site: its ambient display name for the control and its font.
class Site final : public IOleClientSite, public IDispatch {
 public:
  explicit Site(const wchar_t* displayName) : displayName_(displayName) {
    FONTDESC font{sizeof(FONTDESC), const_cast<LPOLESTR>(L"MS Sans Serif"), {{82500, 0}},
                  FW_NORMAL, DEFAULT_CHARSET, FALSE, FALSE, FALSE};
    OleCreateFontIndirect(&font, IID_IFont, reinterpret_cast<void**>(font_.GetAddressOf()));
  }
  HFONT font() {
    HFONT handle = nullptr;
    font_->get_hFont(&handle);
    return handle;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IOleClientSite)
      *out = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IDispatch)
      *out = static_cast<IDispatch*>(this);
    return *out ? S_OK : E_NOINTERFACE;
  }
  STACK_COM_UNKNOWN
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    VariantInit(result);
    if (id == DISPID_AMBIENT_DISPLAYNAME) {
      result->vt = VT_BSTR;
      result->bstrVal = SysAllocString(displayName_);
      return S_OK;
    }
    if (id == DISPID_AMBIENT_FONT) {
      result->vt = VT_DISPATCH;
      return font_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&result->pdispVal));
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  const wchar_t* displayName_;
  ComPtr<IFont> font_;
};

class Bag final : public IPropertyBag {
 public:
  std::map<std::wstring, std::wstring> values;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = (iid == IID_IUnknown || iid == IID_IPropertyBag) ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
  }
  STACK_COM_UNKNOWN
  HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    auto found = values.find(name);
    if (found == values.end()) return E_INVALIDARG;
    value->vt = VT_BSTR;
    value->bstrVal = SysAllocString(found->second.c_str());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
    if (value->vt != VT_BSTR) return E_INVALIDARG;
    values[name] = value->bstrVal ? value->bstrVal : L"";
    return S_OK;
  }
};

// Records the control's events and property change notices as text, in order.
class Listener final : public IDispatch, public IPropertyNotifySink {
 public:
  std::vector<std::string> heard;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_OHLinkEvents)
      *out = static_cast<IDispatch*>(this);
    else if (iid == IID_IPropertyNotifySink)
      *out = static_cast<IPropertyNotifySink*>(this);
    return *out ? S_OK : E_NOINTERFACE;
  }
  STACK_COM_UNKNOWN
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    static const char* names[] = {"", "Click", "DblClick", "MouseDown", "MouseMove", "MouseUp"};
    std::string event = id >= 1 && id <= 5 ? names[id] : "?";
    if (params->cArgs == 4) {
      const VARIANT* a = params->rgvarg;  // last argument first
      char text[80];
      std::snprintf(text, sizeof text, " %d %d %g %g (%d %d %d %d)", a[3].iVal, a[2].iVal,
                    a[1].fltVal, a[0].fltVal, a[3].vt, a[2].vt, a[1].vt, a[0].vt);
      event += text;
    }
    heard.push_back(event);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
    heard.push_back("changed " + std::to_string(id));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

class OHLinkControl : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(runRegsvr32("/s"), 0u); }
  static void TearDownTestSuite() { runRegsvr32("/s /u"); }

  ComPtr<IOleObject> create(Site& site) {
    CLSID id{};
    ComPtr<IOleObject> link;
    EXPECT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Flexolo.OHLink", &id));
    EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                              reinterpret_cast<void**>(link.GetAddressOf())));
    if (link) {
      EXPECT_HRESULT_SUCCEEDED(link->SetClientSite(&site));
    }
    return link;
  }
  static ComPtr<IPersistPropertyBag> persistence(IOleObject* link) {
    ComPtr<IPersistPropertyBag> bag;
    link->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(bag.GetAddressOf()));
    return bag;
  }
  static ComPtr<IDispatch> properties(IOleObject* link) {
    ComPtr<IDispatch> dispatch;
    link->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.GetAddressOf()));
    return dispatch;
  }
  static std::string text(IOleObject* link, const wchar_t* name) {
    std::string value = "(unreadable)";
    getText(properties(link).Get(), name, value);
    return value;
  }
  void listen(IOleObject* link, const IID& iid) {
    ComPtr<IConnectionPointContainer> container;
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(
        IID_IConnectionPointContainer, reinterpret_cast<void**>(container.GetAddressOf())));
    ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(iid, point.GetAddressOf()));
    ASSERT_HRESULT_SUCCEEDED(point->Advise(static_cast<IDispatch*>(&listener), &cookie));
  }

  Site site{L"lnkHome"};
  Bag bag;
  Listener listener;
};

TEST_F(OHLinkControl, NewLinkPointsAtHttpIsNamedByItsContainerAndStoresNothing) {
  ComPtr<IOleObject> link = create(site);
  ASSERT_HRESULT_SUCCEEDED(persistence(link.Get())->InitNew());

  EXPECT_EQ(text(link.Get(), L"HyperLink"), "http://");
  EXPECT_EQ(text(link.Get(), L"Caption"), "lnkHome");
  ASSERT_HRESULT_SUCCEEDED(persistence(link.Get())->Save(&bag, TRUE, TRUE));
  EXPECT_TRUE(bag.values.empty());
  link->SetClientSite(nullptr);
}

TEST_F(OHLinkControl, ChangedTextsAreAnnouncedStoredAndReadBack) {
  ComPtr<IOleObject> link = create(site);
  ASSERT_HRESULT_SUCCEEDED(persistence(link.Get())->InitNew());
  listen(link.Get(), IID_IPropertyNotifySink);

  ASSERT_HRESULT_SUCCEEDED(putText(properties(link.Get()).Get(), L"HyperLink", ""));
  ASSERT_HRESULT_SUCCEEDED(putText(properties(link.Get()).Get(), L"Caption", "Visit us"));
  ASSERT_HRESULT_SUCCEEDED(persistence(link.Get())->Save(&bag, TRUE, FALSE));

  EXPECT_EQ(listener.heard, (std::vector<std::string>{"changed 1", "changed 2"}));
  EXPECT_EQ(bag.values,
            (std::map<std::wstring, std::wstring>{{L"HyperLink", L""}, {L"Caption", L"Visit us"}}));
  ComPtr<IOleObject> reloaded = create(site);
  ASSERT_HRESULT_SUCCEEDED(persistence(reloaded.Get())->Load(&bag, nullptr));
  EXPECT_EQ(text(reloaded.Get(), L"HyperLink"), "");
  EXPECT_EQ(text(reloaded.Get(), L"Caption"), "Visit us");
  link->SetClientSite(nullptr);
  reloaded->SetClientSite(nullptr);
}

TEST_F(OHLinkControl, TypeInformationDescribesBothProperties) {
  ComPtr<IOleObject> link = create(site);
  ComPtr<ITypeInfo> info;
  ASSERT_HRESULT_SUCCEEDED(
      properties(link.Get())->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.GetAddressOf()));
  BSTR help = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      info->GetDocumentation(DISPID_OHLINK_HYPERLINK, nullptr, &help, nullptr, nullptr));
  EXPECT_STREQ(help, L"Returns/sets the url to jump to using your default web browser");
  SysFreeString(help);
  ASSERT_HRESULT_SUCCEEDED(
      info->GetDocumentation(DISPID_OHLINK_CAPTION, nullptr, &help, nullptr, nullptr));
  EXPECT_STREQ(help, L"Returns/sets the captions for an  object");
  SysFreeString(help);
  link->SetClientSite(nullptr);
}

// A real window on a real form: blue text at its own size, the link pointer, and the mouse.
class OHLinkWindowOnAForm : public OHLinkControl {
 protected:
  void SetUp() override {
    link = create(site);
    ASSERT_TRUE(link);
    ASSERT_HRESULT_SUCCEEDED(persistence(link.Get())->InitNew());
    listen(link.Get(), DIID_OHLinkEvents);
    RECT at{10, 20, 110, 40};
    ASSERT_HRESULT_SUCCEEDED(
        link->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, form.hwnd(), &at));
    window = FindWindowExA(form.hwnd(), nullptr, "FlexoloOHLink", nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (!link) return;
    link->Close(OLECLOSE_NOSAVE);
    link->SetClientSite(nullptr);
  }
  // The text's extent in the container's font, and its line height.
  SIZE textSize(const std::string& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, site.font());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
  }
  // Blue pixels of the text drawn with nothing to cut it off.
  int bluePixelsOf(const std::string& text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 400, 40);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, canvas);
    HGDIOBJ oldFont = SelectObject(dc, site.font());
    RECT all{0, 0, 400, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 255));
    TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    int blue = countBlue(dc, 400, 40);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
    return blue;
  }
  int bluePixelsShown() {
    UpdateWindow(form.hwnd());
    UpdateWindow(window);
    HDC dc = GetDC(window);
    int blue = countBlue(dc, windowSize().cx, windowSize().cy);
    ReleaseDC(window, dc);
    return blue;
  }
  static int countBlue(HDC dc, int width, int height) {
    int blue = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (GetPixel(dc, x, y) == RGB(0, 0, 255)) ++blue;
    return blue;
  }
  SIZE windowSize() {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
  }
  void click(WPARAM keys = 0) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(2, 3));
    SendMessageA(window, WM_LBUTTONUP, keys, MAKELPARAM(2, 3));
  }

  TestForm form{300, 200};
  ComPtr<IOleObject> link;
  HWND window = nullptr;
};

TEST_F(OHLinkWindowOnAForm, ShowsItsWholeCaptionInBlueAtTheLabelsSize) {
  EXPECT_EQ(windowText(window), "lnkHome");
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  const SIZE text = textSize("lnkHome");
  EXPECT_EQ(windowSize().cy, text.cy);
  EXPECT_GE(windowSize().cx, text.cx);
  EXPECT_LE(windowSize().cx, text.cx + 3);
  EXPECT_GT(bluePixelsOf("lnkHome"), 20);
  EXPECT_EQ(bluePixelsShown(), bluePixelsOf("lnkHome"));
}

TEST_F(OHLinkWindowOnAForm, CaptionChangeResizesTheWindowAtOnce) {
  // Its last letter draws past its advance in small screen fonts: that must not be cut off.
  ASSERT_HRESULT_SUCCEEDED(putText(properties(link.Get()).Get(), L"Caption", "www.ommex.com"));
  EXPECT_EQ(windowText(window), "www.ommex.com");
  EXPECT_GE(windowSize().cx, textSize("www.ommex.com").cx);
  EXPECT_EQ(bluePixelsShown(), bluePixelsOf("www.ommex.com"));
}

TEST_F(OHLinkWindowOnAForm, ShowsTheLinkPointer) {
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_NE(GetCursor(), nullptr);
}

TEST_F(OHLinkWindowOnAForm, EmptyAddressClickRaisesNoClick) {
  ASSERT_HRESULT_SUCCEEDED(putText(properties(link.Get()).Get(), L"HyperLink", ""));
  click(MK_SHIFT);
  EXPECT_EQ(listener.heard, (std::vector<std::string>{"MouseDown 1 1 30 45 (2 2 4 4)",
                                                      "MouseUp 1 1 30 45 (2 2 4 4)"}));
}

TEST_F(OHLinkWindowOnAForm, ClickOpensTheAddressWithTheShellThenRaisesClick) {
  // The address is a batch file that leaves a mark, so that the shell's open is seen.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string batch = std::string(temp) + "flexolo-link.bat";
  const std::string mark = std::string(temp) + "flexolo-link-opened.txt";
  DeleteFileA(mark.c_str());
  FILE* out = std::fopen(batch.c_str(), "w");
  ASSERT_NE(out, nullptr);
  std::fprintf(out, "@echo opened> \"%s\"\r\n", mark.c_str());
  std::fclose(out);
  ASSERT_HRESULT_SUCCEEDED(putText(properties(link.Get()).Get(), L"HyperLink", batch));

  click();
  SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 3));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 3));

  EXPECT_EQ(listener.heard, (std::vector<std::string>{"MouseDown 1 0 30 45 (2 2 4 4)",
                                                      "MouseUp 1 0 30 45 (2 2 4 4)", "Click",
                                                      "DblClick", "MouseUp 1 0 30 45 (2 2 4 4)"}));
  EXPECT_TRUE(pumpUntil(
      [&] { return GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000));
  DeleteFileA(mark.c_str());
  DeleteFileA(batch.c_str());
}

TEST_F(OHLinkWindowOnAForm, CloseTakesTheWindowAway) {
  ASSERT_HRESULT_SUCCEEDED(link->Close(OLECLOSE_NOSAVE));
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace flexolo_test
