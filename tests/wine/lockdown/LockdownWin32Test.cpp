#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "BlockListSetting.h"
#include "lockdown/frmBlocks.h"
#include "lockdown/mHotKey.h"
#include "lockdown/mdlClipcursor.h"
#include "lockdown/mdlkill.h"
#include "runtime/App.h"
#include "runtime/win32/Win32Backend.h"
#include "StandIn.h"

namespace tavimo {
namespace {

using testing::StandIn;
using testing::waitFor;

class LockdownOnWindows : public ::testing::Test {
 protected:
  testing::Win32Services services;
  rt::Win32Backend backend{GetModuleHandleA(nullptr)};
  rt::App app{backend};
};

class WebsiteFilterOnWindows : public LockdownOnWindows {
 protected:
  void SetUp() override { testing::storeBlockList("badsite"); }
  void TearDown() override {
    if (app.isLoaded<frmBlocks>()) app.form<frmBlocks>().unload();
    testing::removeBlockList("badsite");
  }
};

TEST_F(WebsiteFilterOnWindows, SendsAMatchingBrowserToTheBlockedPageWithin100Milliseconds) {
  StandIn browsers("http://www.badsite.com/games http://www.goodsite.com/news");
  ASSERT_TRUE(browsers.started());
  HWND bad = nullptr, good = nullptr;
  ASSERT_TRUE(waitFor([&] { return (bad = StandIn::addressBox(1)) && (good = StandIn::addressBox(2)); }, 10000));
  ASSERT_EQ(testing::editText(bad), "http://www.badsite.com/games");

  // The ticks are timed, so that a late redirect says whether the filter or the system was slow.
  frmBlocks& filter = app.form<frmBlocks>();
  const ULONGLONG loaded = GetTickCount64();
  std::vector<ULONGLONG> ticks;
  ULONGLONG longestTick = 0;
  filter.Timer1.onTimer = [&ticks, &longestTick, scan = filter.Timer1.onTimer] {
    const ULONGLONG start = GetTickCount64();
    ticks.push_back(start);
    scan();
    longestTick = std::max(longestTick, GetTickCount64() - start);
  };
  ASSERT_TRUE(waitFor([&] { return testing::editText(bad) == blockedPageAddress; }, 5000));
  EXPECT_LE(GetTickCount64() - loaded, 100u) << "first tick after " << (ticks.empty() ? 0 : ticks.front() - loaded)
                                             << " ms; " << ticks.size() << " ticks, the longest " << longestTick << " ms";

  testing::pumpFor(200);
  EXPECT_EQ(testing::editText(good), "http://www.goodsite.com/news");
  EXPECT_EQ(testing::editText(bad), blockedPageAddress);
}

TEST_F(LockdownOnWindows, KillProcessEndsAStartedProgramByItsFileName) {
  StandIn program("--others 1");
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(waitFor([] { return FindWindowA("TavimoStandInFrame", "Document 1 - Notepad") != nullptr; }, 10000));

  EXPECT_EQ(killProcess("BrowserStandIn.EXE"), 1);
  EXPECT_EQ(program.exitCode(5000), 0u);
  EXPECT_EQ(killProcess(StandIn::fileName), 0);
}

// A plain window standing for the configuration panel.
HWND openPanelWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "TavimoTestPanel";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "TavimoTestPanel", "Configuration Panel [administrator]", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                         200, nullptr, nullptr, windowClass.hInstance, nullptr);
}

TEST_F(LockdownOnWindows, PanelWindowProcTakesHotKeysAndPassesTheRestToTheWindowsOwnProcedure) {
  HWND panel = openPanelWindow();
  ASSERT_NE(panel, nullptr);
  const auto own = GetWindowLongPtrA(panel, GWLP_WNDPROC);
  std::vector<int> pressed;
  installPanelWindowProc(reinterpret_cast<WindowHandle>(panel), [&pressed](int number) { pressed.push_back(number); });

  EXPECT_EQ(SendMessageA(panel, WM_HOTKEY, 3, MAKELPARAM(MOD_ALT, 'L')), 0);
  EXPECT_EQ(pressed, std::vector<int>{3});
  char caption[64] = {};
  EXPECT_EQ(SendMessageA(panel, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption)), 35);
  EXPECT_STREQ(caption, "Configuration Panel [administrator]");

  restorePanelWindowProc(reinterpret_cast<WindowHandle>(panel));
  EXPECT_EQ(GetWindowLongPtrA(panel, GWLP_WNDPROC), own);
  SendMessageA(panel, WM_HOTKEY, 2, 0);
  EXPECT_EQ(pressed, std::vector<int>{3});
  DestroyWindow(panel);
}

TEST_F(LockdownOnWindows, PanelHotKeysAreRegisteredAndFreedAgain) {
  HWND panel = openPanelWindow();
  const auto window = reinterpret_cast<WindowHandle>(panel);
  for (UINT key : {'X', 'C', 'L'}) EXPECT_TRUE(registerHotKey(window, MOD_ALT, key)) << static_cast<char>(key);
  EXPECT_EQ(hotKeyCount(), 3);
  EXPECT_FALSE(RegisterHotKey(nullptr, 50, MOD_ALT, 'C')) << "Alt+C belongs to the panel";

  unregisterHotKeys(window);
  EXPECT_TRUE(RegisterHotKey(nullptr, 50, MOD_ALT, 'C')) << "Alt+C is free again";
  UnregisterHotKey(nullptr, 50);
  EXPECT_TRUE(registerHotKey(window, MOD_ALT, 'X'));
  EXPECT_EQ(hotKeyCount(), 1);
  unregisterHotKeys(window);
  DestroyWindow(panel);
}

struct frmGuestSetup : rt::Form {
  frmGuestSetup() : rt::Form("frmGuestSetup") { move(1500, 1500, 6000, 4500); }
};

TEST_F(LockdownOnWindows, ConfineCursorKeepsThePointerInTheClientArea) {
  auto& dialog = app.form<frmGuestSetup>();
  dialog.show();
  HWND window = reinterpret_cast<HWND>(dialog.hWnd());
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);

  // Wine confines the pointer only to a window of the foreground program that the X server
  // has mapped, which lags behind ShowWindow; until then ClipCursor succeeds and does
  // nothing. So the confinement is asked for until the window is there.
  SetForegroundWindow(window);
  RECT clip{};
  const bool confined = waitFor(
      [&] {
        confineCursor(dialog);
        GetClipCursor(&clip);
        return EqualRect(&clip, &client);
      },
      2000);
  EXPECT_TRUE(confined) << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom;

  releaseCursor();
  GetClipCursor(&clip);
  EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_EQ(clip.bottom - clip.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

}  // namespace
}  // namespace tavimo
