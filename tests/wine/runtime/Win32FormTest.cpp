#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <vector>

#include "platform/Net.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "runtime/LateBound.h"
#include "runtime/MsgBox.h"
#include "runtime/win32/Win32Backend.h"
#include "SmokeForm.h"

namespace tavimo::rt {
namespace {

std::string windowText(HWND hwnd) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::string className(HWND hwnd) {
  char name[128] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

// Finds a control's window by its name property, as another program would.
HWND findControl(HWND form, const std::string& name, int index = -1) {
  struct Search {
    std::string name;
    int index;
    HWND found = nullptr;
  } search{name, index};
  EnumChildWindows(
      form,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char atomName[128] = {};
        auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(child, "TavimoName")));
        if (atom && GlobalGetAtomNameA(atom, atomName, sizeof atomName) &&
            s->name == atomName && reinterpret_cast<INT_PTR>(GetPropA(child, "TavimoIndex")) == s->index + 1) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A picture file of one colour, as a café's own picture would be: a 24-bit bitmap, rows padded
// to four bytes.
void writeBitmap(const std::string& path, COLORREF color, int size) {
  const int rowBytes = (size * 3 + 3) & ~3;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = size;
  info.biHeight = size;
  info.biPlanes = 1;
  info.biBitCount = 24;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + rowBytes * size;
  std::vector<char> pixels(rowBytes * size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      char* pixel = &pixels[y * rowBytes + x * 3];
      pixel[0] = static_cast<char>(GetBValue(color));
      pixel[1] = static_cast<char>(GetGValue(color));
      pixel[2] = static_cast<char>(GetRValue(color));
    }
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

struct frmAsk : Form {
  CommandButton cmdsubt{*this, "cmdsubt"};
  Timer Timer1{*this, "Timer1"};
  frmAsk() : Form("frmAsk") {
    setCaption("Ask");
    cmdsubt.setCaption("&Ok");
    cmdsubt.onClick = [this] { unload(); };
    Timer1.setInterval(100);
  }
};

class Win32Forms : public ::testing::Test {
 protected:
  Win32Forms() {
    services.net = &net;
    installPlatform(services);
  }
  HWND hwndOf(const Form& f) { return reinterpret_cast<HWND>(f.hWnd()); }
  HWND controlWindow(const Control& c) { return backend.windowOf(c); }
  // Runs the real message loop until done() holds, for at most five seconds.
  bool pumpUntil(const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > 5000) return false;
      backend.doEvents();
      Sleep(5);
    }
    return true;
  }

  Platform services;
  Win32Net net;
  Win32Backend backend{GetModuleHandleA(nullptr)};
  App app{backend};
};

TEST_F(Win32Forms, FormAndControlsAreRealWindowsNamedAsInTheForm) {
  auto& f = app.form<frmSmoke>();
  HWND form = hwndOf(f);
  ASSERT_TRUE(IsWindow(form));
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_EQ(windowText(form), "Tavimo Controls");
  f.show();
  EXPECT_TRUE(IsWindowVisible(form));

  struct Row {
    const Control& control;
    const char* windowClass;
    const char* text;
  };
  const Row rows[] = {
      {f.lblTitle, "Static", "Tavimo Client - Controls"},
      {f.txtlog, "Edit", ""},
      {f.cmdsubt, "Button", "&Enter"},
      {f.chkRemember, "Button", "Remember me"},
      {f.optchoice1, "Button", "Manager"},
      {f.lstPrograms, "ListBox", ""},
      {f.cboRate, "ComboBox", "Slot I"},
      {f.fraLogin, "TavimoFrame", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control.name());
    HWND hwnd = findControl(form, row.control.name(), row.control.index());
    ASSERT_EQ(hwnd, controlWindow(row.control));
    EXPECT_STRCASEEQ(className(hwnd).c_str(), row.windowClass);
    EXPECT_EQ(windowText(hwnd), row.text);
  }
  EXPECT_EQ(SendMessageA(controlWindow(f.lstPrograms), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(controlWindow(f.lstPrograms), LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(controlWindow(f.txtpas), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(SendMessageA(controlWindow(f.optchoice0), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetParent(controlWindow(f.txtlog)), controlWindow(f.fraLogin));
  RECT r;
  GetWindowRect(controlWindow(f.cmdsubt), &r);
  EXPECT_EQ(r.right - r.left, 1440 / 15);  // twips to pixels
  f.unload();
}

TEST_F(Win32Forms, ModelChangesReachTheWindows) {
  auto& f = app.form<frmSmoke>();
  f.show();
  f.txtlog.setText("anna");
  f.lblTitle.setCaption("Previous user details:");
  f.chkRemember.setValue(1);
  f.fraLogin.setVisible(false);
  f.cmdcan.setEnabled(false);
  EXPECT_EQ(windowText(controlWindow(f.txtlog)), "anna");
  EXPECT_EQ(windowText(controlWindow(f.lblTitle)), "Previous user details:");
  EXPECT_EQ(SendMessageA(controlWindow(f.chkRemember), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowVisible(controlWindow(f.txtpas))) << "hidden with its frame";
  EXPECT_FALSE(IsWindowEnabled(controlWindow(f.cmdcan)));
  f.setCaption("Login Mode");
  EXPECT_EQ(windowText(hwndOf(f)), "Login Mode");
  f.unload();
}

// A text that staff wrote shows its "&" as itself, and an auto-sized label makes room for it.
TEST_F(Win32Forms, LiteralLabelsShowTheirAmpersands) {
  auto& f = app.form<frmSmoke>();
  f.show();
  f.lblTitle.setAutoSize(true);
  f.lblTitle.setCaption("Tea && Coffee");
  const int withAccessKey = f.lblTitle.width();
  EXPECT_FALSE(GetWindowLongA(controlWindow(f.lblTitle), GWL_STYLE) & SS_NOPREFIX);
  f.lblTitle.setUseMnemonic(false);
  EXPECT_TRUE(GetWindowLongA(controlWindow(f.lblTitle), GWL_STYLE) & SS_NOPREFIX);
  EXPECT_GT(f.lblTitle.width(), withAccessKey) << "both ampersands take room now";
  f.unload();
}

TEST_F(Win32Forms, TypingAndClickingRaiseTheFormsEvents) {
  auto& f = app.form<frmSmoke>();
  f.show();
  std::vector<std::string> log;
  f.txtpas.onKeyPress = [](int& key) {
    if (key == '1') key = 0;
    if (key == 'x') key = 'y';
  };
  f.txtpas.onChange = [&] { log.push_back("change " + f.txtpas.text()); };
  f.cmdsubt.onClick = [&] { log.push_back("click"); };
  HWND edit = controlWindow(f.txtpas);
  for (char c : std::string("a1x")) SendMessageA(edit, WM_CHAR, c, 0);
  SendMessageA(controlWindow(f.cmdsubt), BM_CLICK, 0, 0);
  SendMessageA(controlWindow(f.chkRemember), BM_CLICK, 0, 0);

  EXPECT_EQ(f.txtpas.text(), "ay");
  EXPECT_EQ(log, (std::vector<std::string>{"change a", "change ay", "click"}));
  EXPECT_EQ(f.chkRemember.value(), 1);
  f.lstPrograms.onClick = [&] { log.push_back("list " + std::to_string(f.lstPrograms.listIndex())); };
  SendMessageA(controlWindow(f.lstPrograms), LB_SETCURSEL, 2, 0);
  SendMessageA(hwndOf(f), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(controlWindow(f.lstPrograms)), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(controlWindow(f.lstPrograms)));
  EXPECT_EQ(log.back(), "list 2");
  f.unload();
}

// Once the program takes an image's picture away, or a new one cannot be read, the window shows
// what lies behind the image instead of the picture it had.
TEST_F(Win32Forms, AnImageWithoutAPictureShowsNone) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string picture = std::string(folder) + "tavimo-image-test.bmp";
  const COLORREF red = RGB(200, 30, 40);
  writeBitmap(picture, red, 8);
  struct Row {
    const char* name;
    std::function<void(Image&)> takeAway;
  };
  const Row rows[] = {
      {"cleared", [](Image& image) { image.clearPicture(); }},
      {"unreadable", [](Image& image) { image.loadPicture("C:\\no such folder\\picture.bmp"); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto& f = app.form<frmSmoke>();
    f.show();
    HWND image = controlWindow(f.Image1);
    auto shown = [&] {
      UpdateWindow(image);
      HDC dc = GetDC(image);
      COLORREF color = GetPixel(dc, 4, 4);
      ReleaseDC(image, dc);
      return color;
    };
    ASSERT_TRUE(f.Image1.loadPicture(picture));
    ASSERT_EQ(shown(), red);
    row.takeAway(f.Image1);
    EXPECT_EQ(shown(), GetSysColor(COLOR_BTNFACE));
    f.unload();
  }
  DeleteFileA(picture.c_str());
}

// The arrows step the number in the text box beside them, from what the user typed there.
TEST_F(Win32Forms, UpDownArrowsStepTheBuddysNumber) {
  auto& f = app.form<frmSmoke>();
  f.show();
  HWND arrows = controlWindow(f.updMinutes);
  ASSERT_EQ(className(arrows), std::string(UPDOWN_CLASSA));
  RECT r;
  GetClientRect(arrows, &r);
  auto press = [&](bool up) {
    LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
    SendMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(arrows, WM_LBUTTONUP, 0, at);
  };
  press(true);
  EXPECT_EQ(windowText(controlWindow(f.txtMinutes)), "5");
  SetWindowTextA(controlWindow(f.txtMinutes), "57");
  press(true);
  EXPECT_EQ(f.txtMinutes.text(), "59");
  press(false);
  EXPECT_EQ(windowText(controlWindow(f.txtMinutes)), "54");
  EXPECT_EQ(f.updMinutes.value(), 54);
  f.unload();
}

// A centred window keeps its place when the program later changes only its size.
TEST_F(Win32Forms, ACentredFormKnowsWhereItIs) {
  auto& f = app.form<frmSmoke>();
  f.show();
  RECT r;
  GetWindowRect(hwndOf(f), &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(f.left(), r.left * 15);
  EXPECT_EQ(f.top(), r.top * 15);
  f.move(f.left(), f.top(), f.width(), f.height() - 600);
  RECT after;
  GetWindowRect(hwndOf(f), &after);
  EXPECT_EQ(after.left, r.left);
  EXPECT_EQ(after.top, r.top);
  f.unload();
}

TEST_F(Win32Forms, TheTabKeyFollowsTheFormsTabOrder) {
  auto& f = app.form<frmSmoke>();
  f.show();
  f.txtlog.setFocus();
  ASSERT_EQ(GetFocus(), controlWindow(f.txtlog));
  PostMessageA(controlWindow(f.txtlog), WM_KEYDOWN, VK_TAB, 0);
  ASSERT_TRUE(pumpUntil([&] { return f.activeControl() == &f.txtpas; }));
  EXPECT_EQ(GetFocus(), controlWindow(f.txtpas));
  f.unload();
}

TEST_F(Win32Forms, TimersTickOnTheRealClock) {
  auto& f = app.form<frmSmoke>();
  int ticks = 0;
  f.Timer1.onTimer = [&] { ++ticks; };
  f.Timer1.setEnabled(true);
  DWORD start = GetTickCount();
  app.backend().runUntil([&] { return ticks >= 3 || GetTickCount() - start > 5000; }, nullptr);
  EXPECT_GE(ticks, 3);
  EXPECT_GE(GetTickCount() - start, 140u);
  f.unload();
}

// Posted messages (sockets' events come so) that never stop coming leave the timers their
// turn, in the main loop and inside DoEvents alike.
TEST_F(Win32Forms, TimersTickWhilePostedMessagesKeepComing) {
  auto& f = app.form<frmSmoke>();
  int ticks = 0;
  f.Timer1.setInterval(50);
  f.Timer1.onTimer = [&] { ++ticks; };
  f.Timer1.setEnabled(true);
  bool flooding = true;
  std::function<void()> again = [&] {
    if (flooding) backend.post(again);
  };
  backend.post(again);
  DWORD start = GetTickCount();
  backend.runUntil([&] { return ticks >= 3 || GetTickCount() - start > 3000; }, nullptr);
  EXPECT_GE(ticks, 3) << "in the main loop";
  ticks = 0;
  start = GetTickCount();
  while (ticks < 3 && GetTickCount() - start < 3000) app.doEvents();
  EXPECT_GE(ticks, 3) << "inside DoEvents";
  flooding = false;
  app.doEvents();
  f.unload();
}

// A quit request ends the loop even while other posted messages wait behind it.
TEST_F(Win32Forms, AQuitRequestEndsTheLoop) {
  bool ran = false;
  PostQuitMessage(0);
  backend.post([&] { ran = true; });
  const DWORD start = GetTickCount();
  backend.runUntil([&] { return GetTickCount() - start > 3000; }, nullptr);
  EXPECT_LT(GetTickCount() - start, 3000u) << "the loop waited out its condition";
  app.doEvents();
  EXPECT_TRUE(ran);
}

// The tick count moves in steps of many milliseconds; the microsecond count must see less.
TEST_F(Win32Forms, TheMicrosecondCountResolvesLessThanAMillisecondAndKeepsPace) {
  Backend& backend = app.backend();
  const std::uint64_t first = backend.microsecondCount();
  std::uint64_t next = first;
  while (next == first) next = backend.microsecondCount();
  EXPECT_LT(next - first, 1000u);

  const std::uint64_t ticks0 = backend.tickCount(), micro0 = backend.microsecondCount();
  Sleep(200);
  const std::uint64_t ticks = backend.tickCount() - ticks0, micro = backend.microsecondCount() - micro0;
  EXPECT_GE(micro, 199'000u);
  EXPECT_NEAR(static_cast<double>(micro) / 1000, static_cast<double>(ticks), 40.0);
}

TEST_F(Win32Forms, DoEventsReturnsWhileASlowTimerIsAlwaysDue) {
  auto& f = app.form<frmSmoke>();
  int ticks = 0;
  f.Timer1.setInterval(10);
  f.Timer1.onTimer = [&] {
    ++ticks;
    Sleep(30);  // longer than the interval: the timer is due again at once
  };
  f.Timer1.setEnabled(true);
  Sleep(50);
  DWORD start = GetTickCount();
  app.doEvents();
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_GE(ticks, 1);
  f.unload();
}

TEST_F(Win32Forms, ModalFormRunsItsOwnLoopAndGivesTheActivationBack) {
  auto& owner = app.form<frmSmoke>();
  owner.show();
  auto& dialog = app.form<frmAsk>();
  dialog.Timer1.onTimer = [&] {
    EXPECT_FALSE(IsWindowEnabled(hwndOf(owner))) << "the owner waits while the dialog is open";
    SendMessageA(controlWindow(dialog.cmdsubt), BM_CLICK, 0, 0);
  };
  dialog.show(true);
  EXPECT_FALSE(app.isLoaded<frmAsk>());
  EXPECT_TRUE(pumpUntil([&] { return app.activeForm() == &owner; }));
  EXPECT_TRUE(IsWindowEnabled(hwndOf(owner)));
  owner.unload();
}

// A borderless form, so its inner size is its outer size, laid out in whole percentages.
struct frmScaled : Form {
  CommandButton cmdA{*this, "cmdA"};
  TextBox txtB{*this, "txtB"};
  LateBoundControl omxFlexolo1{*this, "omxFlexolo1", "Flexolo.omxFlexolo"};
  frmScaled() : Form("frmScaled") {
    setBorderStyle(BorderStyle::None);
    setStartUpPosition(StartUpPosition::Manual);
    move(0, 0, 6000, 4500);
    cmdA.move(600, 450, 1500, 450);
    txtB.move(1200, 1800, 3000, 450);
  }
  void onResize() override { omxFlexolo1.call("Resize"); }
};

TEST_F(Win32Forms, LayoutControlKeepsTheFormInProportion) {
  HMODULE library = LoadLibraryA(FLEXOLO_DLL);
  ASSERT_NE(library, nullptr);
  auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")));
  ASSERT_EQ(registerServer(), S_OK);

  auto& f = app.form<frmScaled>();
  f.show();
  ASSERT_TRUE(f.omxFlexolo1.call("SaveControlPositions"));
  f.move(0, 0, 12000, 9000);
  EXPECT_EQ(f.cmdA.left(), 1200);
  EXPECT_EQ(f.cmdA.top(), 900);
  EXPECT_EQ(f.cmdA.width(), 3000);
  EXPECT_EQ(f.txtB.top(), 3600);
  RECT r;
  GetWindowRect(controlWindow(f.cmdA), &r);
  EXPECT_EQ(r.right - r.left, 3000 / 15) << "the real window moved with the control";
  EXPECT_FALSE(f.omxFlexolo1.call("NoSuchMethod")) << "a wrong name is an error the caller passes over";
  f.unload();
}

TEST_F(Win32Forms, MessageBoxReturnsTheButtonPressed) {
  // A thread stands for the user: it finds the box by its title and answers No.
  HANDLE user = CreateThread(nullptr, 0, [](LPVOID) -> DWORD {
    for (int i = 0; i < 500; ++i) {
      if (HWND box = FindWindowA("#32770", "Tavimo Question")) {
        PostMessageA(box, WM_COMMAND, IDNO, 0);
        return 0;
      }
      Sleep(10);
    }
    return 1;
  }, nullptr, 0, nullptr);
  int answer = msgBox("Do you want to reconnect", mb::YesNo | mb::Question, "Tavimo Question");
  WaitForSingleObject(user, 5000);
  CloseHandle(user);
  EXPECT_EQ(answer, mb::No);
}

}  // namespace
}  // namespace tavimo::rt
