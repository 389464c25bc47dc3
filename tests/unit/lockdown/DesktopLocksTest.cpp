#include <gtest/gtest.h>

#include "lockdown/forNT.h"
#include "lockdown/mHotKey.h"
#include "lockdown/mSubClass.h"
#include "lockdown/mdlClipcursor.h"
#include "lockdown/mdlkill.h"
#include "LockdownComputer.h"
#include "runtime/App.h"

namespace tavimo {
namespace {

using Calls = std::vector<std::string>;

class DesktopLocks : public ::testing::Test {
 protected:
  std::string id(std::uintptr_t handle) { return std::to_string(handle); }
  testing::LockdownComputer c;
  WindowHandle panel = c.desktop.addWindow("ThunderRT6FormDC", "Configuration Panel [administrator]");
};

// The panel registers Alt+X, Alt+C and Alt+L when it opens.
void registerPanelKeys(WindowHandle panel) {
  for (std::uint16_t key : {88, 67, 76}) registerHotKey(panel, modAlt, key);
}

TEST_F(DesktopLocks, HotKeysAreNumberedFromOneAgainAfterThePanelCloses) {
  registerPanelKeys(panel);
  EXPECT_EQ(hotKeyCount(), 3);
  unregisterHotKeys(panel);
  EXPECT_EQ(hotKeyCount(), 0);
  registerPanelKeys(panel);
  unregisterHotKeys(panel);
  const std::string p = id(panel);
  const Calls cycle{"RegisterHotKey " + p + " 1 1 88", "RegisterHotKey " + p + " 2 1 67", "RegisterHotKey " + p + " 3 1 76",
                    "UnregisterHotKey " + p + " 1", "UnregisterHotKey " + p + " 2", "UnregisterHotKey " + p + " 3"};
  Calls twice = cycle;
  twice.insert(twice.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(c.desktop.calls, twice);
}

TEST_F(DesktopLocks, ACombinationHeldElsewhereStillUsesUpItsNumber) {
  const WindowHandle other = c.desktop.addWindow("OtherProgram");
  ASSERT_TRUE(c.desktop.registerHotKey(other, 7, modAlt, 88));
  c.desktop.calls.clear();

  EXPECT_FALSE(registerHotKey(panel, modAlt, 88));
  EXPECT_TRUE(registerHotKey(panel, modAlt, 67));
  EXPECT_TRUE(registerHotKey(panel, modAlt, 76));
  EXPECT_EQ(c.calls("RegisterHotKey"), (Calls{"RegisterHotKey " + id(panel) + " 1 1 88", "RegisterHotKey " + id(panel) + " 2 1 67",
                                              "RegisterHotKey " + id(panel) + " 3 1 76"}));
  unregisterHotKeys(panel);
}

TEST_F(DesktopLocks, PanelWindowProcConsumesHotKeysAndPassesEverythingElseOn) {
  std::vector<int> pressed;
  installPanelWindowProc(panel, [&pressed](int number) { pressed.push_back(number); });
  c.desktop.calls.clear();

  EXPECT_EQ(c.desktop.sendMessage(panel, wm::HotKey, 3, 0x4C0001), 0);  // Alt+L: swallowed
  EXPECT_EQ(c.desktop.sendMessage(panel, wm::HotKey, 1, 0x580001), 0);
  EXPECT_EQ(pressed, (std::vector<int>{3, 1}));
  EXPECT_TRUE(c.calls("CallWindowProcA").empty());

  const auto length = c.desktop.sendMessage(panel, wm::GetTextLength, 0, 0);
  EXPECT_EQ(length, static_cast<std::intptr_t>(std::string("Configuration Panel [administrator]").size()));
  EXPECT_EQ(c.calls("CallWindowProcA"), (Calls{"CallWindowProcA 1 " + id(panel) + " WM_GETTEXTLENGTH"}));

  restorePanelWindowProc(panel);
  c.desktop.calls.clear();
  EXPECT_EQ(c.desktop.sendMessage(panel, wm::HotKey, 2, 0), 0);
  EXPECT_EQ(pressed.size(), 2u) << "the panel's action is gone with its procedure";
  EXPECT_EQ(c.desktop.window(panel)->procedure, nullptr);
}

TEST_F(DesktopLocks, AHotKeyActionMayCloseThePanel) {
  bool closed = false;
  installPanelWindowProc(panel, [&](int number) {
    if (number != 2) return;
    unregisterHotKeys(panel);
    restorePanelWindowProc(panel);
    c.desktop.closeWindow(panel);
    closed = true;
  });
  EXPECT_EQ(c.desktop.sendMessage(panel, wm::HotKey, 2, 0), 0);
  EXPECT_TRUE(closed);
}

// Forms that note their unloading; frmPage closes frmPanel as it unloads, frmStay refuses.
std::vector<std::string>* unloads = nullptr;
struct NotedForm : rt::Form {
  using rt::Form::Form;
  void onUnload(bool&) override {
    if (unloads) unloads->push_back(name());
  }
};
struct frmstart : NotedForm {
  frmstart() : NotedForm("frmstart") {}
};
struct frmPanel : NotedForm {
  frmPanel() : NotedForm("frmPanel") {}
};
struct frmPage : NotedForm {
  frmPage() : NotedForm("frmPage") {}
  void onUnload(bool& cancel) override {
    NotedForm::onUnload(cancel);
    rt::app().form<frmPanel>().unload();
  }
};
struct frmStay : NotedForm {
  frmStay() : NotedForm("frmStay") {}
  void onUnload(bool& cancel) override { cancel = true; }
};
struct frmLast : NotedForm {
  frmLast() : NotedForm("frmLast") {}
};
struct frmDialog : rt::Form {
  frmDialog() : rt::Form("frmDialog") {}
};

TEST_F(DesktopLocks, CloseAllFormsUnloadsFromTheLastToTheFirst) {
  std::vector<std::string> noted;
  unloads = &noted;
  rt::App& app = c.h.app;
  app.form<frmstart>();
  app.form<frmStay>();
  app.form<frmPanel>();
  app.form<frmPage>();
  app.form<frmLast>();

  closeAllForms();

  EXPECT_EQ(noted, (std::vector<std::string>{"frmLast", "frmPage", "frmPanel", "frmstart"}));
  ASSERT_EQ(app.forms().size(), 1u);
  EXPECT_EQ(app.forms().front()->name(), "frmStay");
  unloads = nullptr;
}

TEST_F(DesktopLocks, ConfineCursorClipsToTheClientAreaOnTheScreen) {
  rt::Form& dialog = c.h.app.form<frmDialog>();
  c.desktop.windows.push_back({dialog.hWnd(), 0, "ThunderRT6FormDC", "Guest Setup", true, {200, 150, 600, 450}});

  confineCursor(dialog);
  ASSERT_NE(c.desktop.cursorClip(), nullptr);
  EXPECT_EQ(*c.desktop.cursorClip(), (Rect{200, 150, 600, 450}));
  releaseCursor();
  EXPECT_EQ(c.desktop.cursorClip(), nullptr);
  const std::string d = id(dialog.hWnd());
  EXPECT_EQ(c.desktop.calls, (Calls{"GetClientRect " + d, "ClientToScreen " + d, "ClipCursor 200 150 600 450", "ClipCursor NULL"}));
}

TEST_F(DesktopLocks, ConfineCursorLeavesThePointerFreeWhenTheWindowIsGone) {
  rt::Form& dialog = c.h.app.form<frmDialog>();
  confineCursor(dialog);
  EXPECT_EQ(c.desktop.cursorClip(), nullptr);
  EXPECT_TRUE(c.calls("ClipCursor").empty());
}

TEST(ShutdownAndRestart, FlagsAndPrivilegeByFamily) {
  struct Row {
    OsVersion version;
    void (*operation)(bool);
    bool force;
    const char* exitCall;
  };
  const Row rows[] = {
      {os::WindowsXp, shutdownWindows, true, "ExitWindowsEx 5"},   {os::WindowsXp, shutdownWindows, false, "ExitWindowsEx 1"},
      {os::Windows2000, restartWindows, true, "ExitWindowsEx 6"},  {os::Windows10, restartWindows, false, "ExitWindowsEx 2"},
      {os::Windows98, shutdownWindows, false, "ExitWindowsEx 1"},  {os::Windows98, shutdownWindows, true, "ExitWindowsEx 5"},
      {os::WindowsMe, restartWindows, true, "ExitWindowsEx 6"},    {os::WindowsMe, restartWindows, false, "ExitWindowsEx 2"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.exitCall) + " on " + std::to_string(row.version.major) + "." + std::to_string(row.version.minor));
    testing::LockdownComputer c;
    c.systemInfo.setVersion(row.version);
    row.operation(row.force);
    Calls expected;
    if (row.version.platformId == os::PlatformNt)
      expected = {"OpenProcessToken 40", "LookupPrivilegeValueA \"\" SeShutdownPrivilege", "AdjustTokenPrivileges 256 19 2",
                  "CloseHandle 256"};
    expected.push_back(row.exitCall);
    EXPECT_EQ(c.desktop.calls, expected);
    EXPECT_EQ(c.desktop.openHandles(), 0u);
    EXPECT_EQ(isWindowsNT(), row.version.platformId == os::PlatformNt);
  }
}

TEST(ShutdownAndRestart, GoAheadWhenThePrivilegeCannotBeHad) {
  testing::LockdownComputer c;
  c.desktop.refuseToken = true;
  shutdownWindows(true);
  EXPECT_EQ(c.desktop.calls, (Calls{"OpenProcessToken 40", "ExitWindowsEx 5"}));
}

class KillProcess : public DesktopLocks {};

TEST_F(KillProcess, EndsEveryProcessOfThatFileInAnyCaseAndOnlyThose) {
  c.desktop.processes = {
      {4, "C:\\WINDOWS\\Explorer.EXE"},
      {8, "C:\\WINDOWS\\system32\\svchost.exe"},
      {12, "C:\\Games\\myexplorer.exe"},
      {16, "C:\\WINDOWS\\explorer.exe", false},         // may not be opened
      {20, "C:\\WINDOWS\\explorer.exe", true, false},   // modules cannot be read
      {24, "c:\\windows\\EXPLORER.exe"},
      {28, "C:\\WINDOWS\\system32\\winlogon.exe"},
      {32, "explorer.exe"},
      {36, "C:\\Program Files\\Tavimo\\tavimoclient.exe"},
  };
  EXPECT_EQ(killProcess("explorer.exe"), 3);

  std::vector<ProcessId> left;
  for (const auto& p : c.desktop.processes) left.push_back(p.id);
  EXPECT_EQ(left, (std::vector<ProcessId>{8, 12, 16, 20, 28, 36}));
  EXPECT_EQ(c.calls("TerminateProcess"), (Calls{"TerminateProcess 4 0", "TerminateProcess 24 0", "TerminateProcess 32 0"}));
  // The id list grows from 16 bytes until it comes back shorter than the buffer.
  EXPECT_EQ(c.calls("EnumProcesses"), (Calls{"EnumProcesses 16", "EnumProcesses 32", "EnumProcesses 64"}));
  EXPECT_EQ(c.calls("OpenProcess 1041").size(), 9u);
  EXPECT_EQ(c.desktop.openHandles(), 0u);
}

TEST_F(KillProcess, EndsNothingWhenNoneRunsOrNoNameIsGiven) {
  c.desktop.processes = {{4, "C:\\WINDOWS\\system32\\svchost.exe"}, {8, "C:\\WINDOWS\\notepad.exe"}};
  EXPECT_EQ(killProcess("explorer.exe"), 0);
  EXPECT_EQ(killProcess(""), 0);
  EXPECT_EQ(c.desktop.processes.size(), 2u);
  EXPECT_TRUE(c.calls("TerminateProcess").empty());
}

}  // namespace
}  // namespace tavimo
