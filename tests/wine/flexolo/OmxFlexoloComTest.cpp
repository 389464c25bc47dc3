#include <gtest/gtest.h>

#include <wrl/client.h>

#include "ComTestSupport.h"
#include "FlexoloDispatch.h"
#include "FlexoloHost.h"
#include "TestForm.h"

using Microsoft::WRL::ComPtr;

namespace flexolo_test {
namespace {

// Flexolo.dll registered for the suite, and a scaling control on a real form with
// 400 x 300 pixels (6000 x 4500 twips) of client area.
class OmxFlexoloOnAForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(runRegsvr32("/s"), 0u); }
  static void TearDownTestSuite() { runRegsvr32("/s /u"); }

  void SetUp() override {
    CLSID id{};
    ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Flexolo.omxFlexolo", &id));
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                              reinterpret_cast<void**>(flexolo.GetAddressOf())));
    ASSERT_HRESULT_SUCCEEDED(
        flexolo->QueryInterface(IID_IFlexoloSite, reinterpret_cast<void**>(site.GetAddressOf())));
  }
  void TearDown() override {
    if (site) site->SetHost(nullptr);
  }

  // Binds the form (recording its controls) and lets the form's load save them again.
  void bindAndLoad() {
    ASSERT_HRESULT_SUCCEEDED(site->SetHost(&form));
    ASSERT_HRESULT_SUCCEEDED(callByName(flexolo.Get(), L"SaveControlPositions"));
  }
  void resizeTo(int width, int height) {
    form.setClientSize(width, height);
    ASSERT_HRESULT_SUCCEEDED(callByName(flexolo.Get(), L"Resize"));
  }
  void expectControl(int number, LONG left, LONG top, LONG width, LONG height) {
    const TestForm::Control& c = form.control(number);
    SCOPED_TRACE(c.name);
    EXPECT_EQ((std::vector<LONG>{c.a, c.b, c.c, c.d}),
              (std::vector<LONG>{left, top, width, height}));
    if (!c.hwnd) return;
    // A drop-down list shows its own height, whatever the form keeps.
    RECT shown = form.windowRect(number);
    if (c.kind == TestForm::Kind::FixedHeight) shown.bottom = shown.top + form.pixels(height);
    EXPECT_EQ((std::vector<LONG>{shown.left, shown.top, shown.right - shown.left,
                                 shown.bottom - shown.top}),
              (std::vector<LONG>{form.pixels(left), form.pixels(top), form.pixels(width),
                                 form.pixels(height)}));
  }

  TestForm form{400, 300};
  ComPtr<IDispatch> flexolo;
  ComPtr<IFlexoloSite> site;
};

TEST_F(OmxFlexoloOnAForm, TwiceTheSizeGivesTwiceThePositions) {
  int txtlog = form.addWindow("txtlog", FLEXOLO_NO_INDEX, "EDIT", TestForm::Kind::Window, 300,
                              450, 1500, 375);
  int first = form.addWindow("Label3", 0, "STATIC", TestForm::Kind::Window, 150, 150, 900, 300);
  int second = form.addWindow("Label3", 1, "STATIC", TestForm::Kind::Window, 150, 3000, 900, 300);
  int line = form.addLine("Line1", 0, 2400, 6000, 2400);
  int timer = form.addTimer("Timer1");
  int list = form.addWindow("lstInfo", FLEXOLO_NO_INDEX, "LISTBOX", TestForm::Kind::ListBox, 3000,
                            600, 2400, 1500);
  bindAndLoad();
  EXPECT_FALSE(form.control(list).integralHeight);

  resizeTo(800, 600);

  expectControl(txtlog, 600, 900, 3000, 750);
  expectControl(first, 300, 300, 1800, 600);
  expectControl(second, 300, 6000, 1800, 600);
  expectControl(line, 0, 4800, 12000, 4800);
  expectControl(timer, 0, 0, 0, 0);
  expectControl(list, 6000, 1200, 4800, 3000);
}

TEST_F(OmxFlexoloOnAForm, OneAndAHalfTimesTheWidthMovesLeft333To499) {
  int cmdsubt = form.addWindow("cmdsubt", FLEXOLO_NO_INDEX, "BUTTON", TestForm::Kind::Window, 333,
                               1200, 1200, 375);
  bindAndLoad();

  resizeTo(600, 300);

  expectControl(cmdsubt, 499, 1200, 1800, 375);
}

TEST_F(OmxFlexoloOnAForm, RefusedHeightStillMovesAndWidensTheControl) {
  int combo = form.addWindow("cboKind", FLEXOLO_NO_INDEX, "COMBOBOX",
                             TestForm::Kind::FixedHeight, 300, 300, 1500, 1200);
  bindAndLoad();

  resizeTo(800, 600);

  expectControl(combo, 600, 600, 3000, 1200);
}

TEST_F(OmxFlexoloOnAForm, ControlsStayPutWhenMinimisedAndNewOnesHaveNoRecord) {
  int txtlog = form.addWindow("txtlog", FLEXOLO_NO_INDEX, "EDIT", TestForm::Kind::Window, 300,
                              450, 1500, 375);
  bindAndLoad();
  int txtNew = form.addWindow("txtNew", FLEXOLO_NO_INDEX, "EDIT", TestForm::Kind::Window, 600,
                              600, 600, 300);
  ShowWindow(form.hwnd(), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(IsIconic(form.hwnd()));
  ASSERT_HRESULT_SUCCEEDED(callByName(flexolo.Get(), L"Resize"));
  expectControl(txtlog, 300, 450, 1500, 375);

  ShowWindow(form.hwnd(), SW_SHOWNOACTIVATE);
  resizeTo(800, 600);

  expectControl(txtlog, 600, 900, 3000, 750);
  expectControl(txtNew, 600, 600, 600, 300);
}

TEST_F(OmxFlexoloOnAForm, TheFirstRecordedPositionsStayTheReference) {
  int txtlog = form.addWindow("txtlog", FLEXOLO_NO_INDEX, "EDIT", TestForm::Kind::Window, 300,
                              450, 1500, 375);
  ASSERT_HRESULT_SUCCEEDED(site->SetHost(&form));
  // The form's load moves the control before it saves: the positions of the binding count.
  ASSERT_HRESULT_SUCCEEDED(form.Move(txtlog, 2, 900, 900, 0, 0));
  ASSERT_HRESULT_SUCCEEDED(callByName(flexolo.Get(), L"SaveControlPositions"));

  resizeTo(800, 600);

  expectControl(txtlog, 600, 900, 3000, 750);
}

TEST_F(OmxFlexoloOnAForm, AWrongNameIsAnErrorTheCallerCanIgnore) {
  int txtlog = form.addWindow("txtlog", FLEXOLO_NO_INDEX, "EDIT", TestForm::Kind::Window, 300,
                              450, 1500, 375);
  bindAndLoad();

  DISPID id = 0;
  LPOLESTR wrong[] = {const_cast<LPOLESTR>(L"ResizeAll")};
  EXPECT_EQ(flexolo->GetIDsOfNames(IID_NULL, wrong, 1, LOCALE_USER_DEFAULT, &id),
            DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXPECT_EQ(flexolo->Invoke(DISPID_UNKNOWN, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none,
                            nullptr, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);

  // Names are not case-sensitive, and the control goes on working.
  resizeTo(800, 600);
  EXPECT_HRESULT_SUCCEEDED(callByName(flexolo.Get(), L"resize"));
  expectControl(txtlog, 600, 900, 3000, 750);
}

TEST_F(OmxFlexoloOnAForm, WithoutAFormResizeReportsWhy) {
  EXCEPINFO exception{};
  EXPECT_EQ(callByName(flexolo.Get(), L"Resize", &exception), DISP_E_EXCEPTION);
  EXPECT_NE(exception.bstrDescription, nullptr);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
}

TEST_F(OmxFlexoloOnAForm, TypeInformationListsTheMethodsInOrderWithResizesDescription) {
  ComPtr<ITypeInfo> info;
  ASSERT_HRESULT_SUCCEEDED(flexolo->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.GetAddressOf()));
  const wchar_t* expected[] = {L"Resize", L"SaveControlPositions", L"About"};
  for (UINT i = 0; i < 3; ++i) {
    FUNCDESC* function = nullptr;
    ASSERT_HRESULT_SUCCEEDED(info->GetFuncDesc(i, &function));
    BSTR name = nullptr;
    info->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
    EXPECT_STREQ(name, expected[i]);
    SysFreeString(name);
    info->ReleaseFuncDesc(function);
  }
  BSTR help = nullptr;
  ASSERT_HRESULT_SUCCEEDED(
      info->GetDocumentation(DISPID_FLEXOLO_RESIZE, nullptr, &help, nullptr, nullptr));
  EXPECT_STREQ(help, L"Resize The Controls");
  SysFreeString(help);
}

TEST_F(OmxFlexoloOnAForm, TheFormIsReleasedAndTheLibraryCanUnload) {
  ASSERT_HRESULT_SUCCEEDED(site->SetHost(&form));
  EXPECT_GT(form.references(), 0u);
  site->SetHost(nullptr);
  EXPECT_EQ(form.references(), 0u);

  auto canUnloadNow = reinterpret_cast<HRESULT(WINAPI*)()>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("Flexolo.dll"), "DllCanUnloadNow")));
  ASSERT_NE(canUnloadNow, nullptr);
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  site.Reset();
  flexolo.Reset();
  EXPECT_EQ(canUnloadNow(), S_OK);
}

}  // namespace
}  // namespace flexolo_test
