#include <gtest/gtest.h>

#include <algorithm>

#include "GuestSession.h"
#include "lockdown/frmBlocks.h"
#include "session/frmOrders.h"
#include "session/message.h"
#include "runtime/MsgBox.h"
#include "session/Pictures.h"
#include "session/frmTray.h"

namespace tavimo {
namespace {

using testing::sz;
using GuestTimerTools = testing::GuestSession;

constexpr long bandColor = 11362079;
constexpr long hoverColor = 12679955;

std::size_t count(const std::vector<std::string>& calls, const std::string& call) {
  return static_cast<std::size_t>(std::count(calls.begin(), calls.end(), call));
}

TEST_F(GuestTimerTools, HelpRequestAfterTheQuestion) {
  frmtimer2& timer = logIn();
  showTab("KOs");
  c.h.backend.answerMessageBox(rt::mb::No);
  timer.lblHelp.userClick();
  c.h.backend.answerMessageBox(rt::mb::Yes);
  timer.lblHelp.userClick();
  c.h.backend.advance(10);
  ASSERT_EQ(c.h.backend.messageBoxes().size(), 2u);
  EXPECT_EQ(c.h.backend.messageBoxes()[0].prompt, "Do you want to send a Help Request to the Cafe Administrator");
  EXPECT_EQ(c.h.backend.messageBoxes()[0].style, rt::mb::YesNo | rt::mb::Question);
  EXPECT_EQ(help.texts(), std::vector<std::string>{"1|TAVIMO-PC07"}) << "one request, after Yes";
}

TEST_F(GuestTimerTools, TextOnlyBrowsingSwitchesTheBrowserDisplay) {
  frmtimer2& timer = logIn();
  showTab("KSt");
  timer.Check2.userClick();
  EXPECT_EQ(browserDisplay(), std::vector<testing::StoredValue>(4, sz("no")));
  timer.Check2.userClick();
  EXPECT_EQ(browserDisplay(), std::vector<testing::StoredValue>(4, sz("yes")));
  EXPECT_EQ(c.stored(stored::browserMainKey, "Display Inline Videos"), sz("yes"));
}

TEST_F(GuestTimerTools, UnansweredLogoutAlsoEndsTextOnlyBrowsing) {
  frmtimer2& timer = logIn();
  showTab("KSt");
  timer.Check2.userClick();
  timer.logout();
  c.h.backend.advance(11000);
  EXPECT_EQ(browserDisplay(), std::vector<testing::StoredValue>(4, sz("yes")));
}

TEST_F(GuestTimerTools, KeepOnTopReassertsUntilUnchecked) {
  frmtimer2& timer = logIn();
  const std::string topmost = "SetWindowPos " + std::to_string(timer.hWnd()) + " HWND_TOPMOST";
  const std::string notTopmost = "SetWindowPos " + std::to_string(timer.hWnd()) + " HWND_NOTOPMOST";
  EXPECT_EQ(count(c.desktop.calls, topmost), 0u) << "unchecked at start";
  showTab("KSt");
  timer.Check1.userClick();
  c.h.backend.advance(100);
  EXPECT_GE(count(c.desktop.calls, topmost), 50u);
  timer.Check1.userClick();
  const std::size_t reasserted = count(c.desktop.calls, topmost);
  c.h.backend.advance(100);
  EXPECT_EQ(count(c.desktop.calls, topmost), reasserted);
  EXPECT_EQ(count(c.desktop.calls, notTopmost), 1u);
}

TEST_F(GuestTimerTools, KeepOnTopIsNotOfferedBeforeVersionFourOne) {
  c.systemInfo.setVersion({4, 0, 950, 1});  // Windows 95
  EXPECT_FALSE(logIn().Check1.visible());
}

TEST_F(GuestTimerTools, TabsShowTheirPage) {
  frmtimer2& timer = logIn();
  ASSERT_EQ(timer.TabStrip1.tabs().size(), 4u);
  const char* captions[] = {"Launch", "Alarm", "Settings", "Orders n Help"};
  const char* keys[] = {"KQl", "KSa", "KSt", "KOs"};
  rt::Frame* pages[] = {&timer.fraQl, &timer.fraSa, &timer.fraSt, &timer.fraOr};
  for (int tab = 0; tab < 4; ++tab) {
    EXPECT_EQ(timer.TabStrip1.tabs()[tab].caption, captions[tab]);
    EXPECT_EQ(timer.TabStrip1.tabs()[tab].key, keys[tab]);
  }
  for (int tab : {0, 3, 1, 2}) {
    timer.TabStrip1.userSelected(tab);
    for (int page = 0; page < 4; ++page) EXPECT_EQ(pages[page]->visible(), page == tab) << "tab " << tab << " page " << page;
  }
}

TEST_F(GuestTimerTools, QuickLaunchStartsTheProgramOfTheName) {
  createKey(HKEY_LOCAL_MACHINE, stored::programsKey.path);
  writeValue(HKEY_LOCAL_MACHINE, stored::programsKey.path, "Notepad", "C:\\Windows\\notepad.exe readme.txt", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, stored::programsKey.path, "Empty", "", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, stored::programsKey.path, "Paint", "mspaint.exe", REG_SZ);
  frmtimer2& timer = logIn();
  ASSERT_EQ(timer.List1.listCount(), 2) << "a name without a command line is left out";
  EXPECT_EQ(timer.List1.list(0), "Notepad");
  EXPECT_EQ(timer.List1.list(1), "Paint");
  EXPECT_EQ(timer.List1.toolTipText(), "Double Click to launch");
  timer.List1.userSelected(0);
  timer.List1.userDoubleClicked();
  EXPECT_EQ(c.shell.calls.back(), "start maximized C:\\Windows\\notepad.exe readme.txt");
}

TEST_F(GuestTimerTools, MinimisedOrHiddenTheWindowWaitsInTheNotificationArea) {
  frmtimer2& timer = logIn();
  timer.Label3.userClick();
  EXPECT_EQ(timer.windowState(), rt::WindowState::Minimized);
  ASSERT_EQ(c.shell.icons.size(), 1u);
  EXPECT_EQ(c.shell.icons[0].window, timer.hWnd());
  EXPECT_EQ(c.shell.icons[0].tip, "Tavimo Timer \r\nUser Id: guest\r\nDouble Click to maximize");
  timer.windowStateChanged(rt::WindowState::Normal);
  EXPECT_TRUE(c.shell.icons.empty()) << "restored, it leaves the notification area";

  timer.Image4.userClick();
  EXPECT_EQ(client().trayOwner, 1);
  EXPECT_TRUE(timer.visible()) << "the notice comes first";
  frmTray& notice = c.h.app.form<frmTray>();
  EXPECT_TRUE(notice.visible());
  EXPECT_EQ(notice.caption(), "Tavimo Timer");
  notice.Command1.userClick();
  EXPECT_FALSE(c.h.app.isLoaded<frmTray>());
  EXPECT_FALSE(timer.visible());
  EXPECT_EQ(c.shell.icons.size(), 1u);

  timer.mouseMoved({0, 0, 514 * 15, 0});
  EXPECT_FALSE(timer.visible()) << "only the double click brings it back";
  timer.mouseMoved({0, 0, 515 * 15, 0});
  EXPECT_TRUE(timer.visible());
  EXPECT_EQ(timer.windowState(), rt::WindowState::Normal);
  EXPECT_TRUE(c.shell.icons.empty());
}

TEST_F(GuestTimerTools, ButtonPicturesPressAndRelease) {
  frmtimer2& timer = logIn();
  EXPECT_EQ(timer.Image3.picture(), picture::minimizeNormal);
  EXPECT_EQ(timer.Image4.picture(), picture::hideNormal);
  EXPECT_EQ(timer.Image2.picture(), picture::timerLogo) << "every built-in picture is found";
  timer.Image3.mouseDown({1, 0, 30, 30});
  EXPECT_EQ(timer.Image3.picture(), picture::minimizePressed);
  timer.Image3.mouseUp({1, 0, 30, 30});
  EXPECT_EQ(timer.Image3.picture(), picture::minimizeNormal);
  timer.Image4.mouseDown({1, 0, 30, 30});
  EXPECT_EQ(timer.Image4.picture(), picture::hidePressed);
  timer.Image4.mouseUp({1, 0, 30, 30});
  EXPECT_EQ(timer.Image4.picture(), picture::hideNormal);
}

TEST_F(GuestTimerTools, TitleDragsTheWindow) {
  frmtimer2& timer = logIn();
  const int left = timer.left(), top = timer.top();
  timer.lblCaption.mouseMove({0, 0, 500, 500});
  EXPECT_EQ(timer.left(), left) << "no drag without the button down";
  timer.lblCaption.mouseDown({1, 0, 120, 90});
  timer.lblCaption.mouseMove({1, 0, 420, 240});
  EXPECT_EQ(timer.left(), left + 300);
  EXPECT_EQ(timer.top(), top + 150);
  timer.lblCaption.mouseUp({1, 0, 420, 240});
  timer.Image2.mouseMove({0, 0, 900, 900});
  EXPECT_EQ(timer.left(), left + 300);
}

TEST_F(GuestTimerTools, ButtonsLightUpUnderThePointer) {
  frmtimer2& timer = logIn();
  struct Row {
    rt::Label& button;
    rt::Shape& face;
    rt::Frame& band;
  };
  Row rows[] = {{timer.logoutLabel, timer.Shape5, timer.Frame2}, {timer.Label5, timer.Shape4, timer.Frame2},
                {timer.abouttv, timer.Shape3, timer.Frame2},   {timer.lblHelp, timer.Shape7, timer.fraOr},
                {timer.lblOrders, timer.Shape6, timer.fraOr}};
  for (Row& row : rows) {
    SCOPED_TRACE(row.button.name());
    EXPECT_EQ(row.face.fillColor(), bandColor);
    row.button.setEnabled(true);
    row.button.mouseMove({});
    EXPECT_EQ(row.face.fillColor(), hoverColor);
    row.band.mouseMove({});
    EXPECT_EQ(row.face.fillColor(), bandColor);
  }
}

TEST_F(GuestTimerTools, LogoutLabelLogsOut) {
  frmtimer2& timer = logIn();
  EXPECT_EQ(timer.logoutLabel.name(), "lbltmr2");
  EXPECT_EQ(timer.logoutLabel.caption(), "Logout");
  EXPECT_EQ(timer.logoutLabel.toolTipText(), "Click to logout");
  timer.logoutLabel.userClick();
  EXPECT_TRUE(timer.loggingOut());
}

TEST_F(GuestTimerTools, AboutOpensTheMakersSite) {
  frmtimer2& timer = logIn();
  timer.abouttv.userClick();
  EXPECT_EQ(c.shell.calls.back(), "ShellExecute " + std::to_string(timer.hWnd()) + " open http://www.tavimo.com/ 1");
}

TEST_F(GuestTimerTools, MessageAndOrdersOpenTheirWindows) {
  frmtimer2& timer = logIn();
  EXPECT_FALSE(timer.Label5.enabled()) << "no message is waiting";
  runTo(2);
  client().pendingMessage = "Closing at ten";
  EXPECT_FALSE(timer.Label5.enabled());
  runTo(3);
  EXPECT_TRUE(timer.Label5.enabled()) << "the next second sees the message";
  timer.Label5.userClick();
  EXPECT_EQ(c.h.app.form<message>().caption(), "Tavimo Messenger Service");
  showTab("KOs");
  timer.lblOrders.userClick();
  EXPECT_EQ(c.h.app.form<frmOrders>().caption(), "Place your order");
}

TEST_F(GuestTimerTools, HiddenStoreFlagsHideTimeAndAmount) {
  struct Row {
    int flag;
    bool timeShown, amountShown, captionCounts;
  };
  for (Row row : {Row{10, false, true, false}, Row{11, true, false, true}}) {
    SCOPED_TRACE(row.flag);
    for (int flag : {10, 11}) stored::write(stored::panelFlag(flag), flag == row.flag ? 1 : 0);
    frmtimer2& timer = logIn();
    EXPECT_EQ(timer.lbltl.visible(), row.timeShown);
    EXPECT_EQ(timer.lbltimer2.visible(), row.timeShown);
    EXPECT_EQ(timer.Lblamountt.visible(), row.amountShown);
    EXPECT_EQ(timer.lblamt.visible(), row.amountShown);
    runTo(1);
    EXPECT_EQ(timer.caption() == "0:0:1 [Timer]", row.captionCounts);
    timer.logout();
    confirmLogout();
  }
}

TEST_F(GuestTimerTools, FilterEndsWithTheSession) {
  stored::write(stored::Blocking, 1);
  frmtimer2& timer = logIn();
  ASSERT_TRUE(c.h.app.isLoaded<frmBlocks>());
  timer.logout();
  confirmLogout();
  EXPECT_FALSE(c.h.app.isLoaded<frmBlocks>());
}

}  // namespace
}  // namespace tavimo
