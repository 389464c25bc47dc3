#include <gtest/gtest.h>

#include "AccountSession.h"
#include "lockdown/frmBlocks.h"
#include "login/frmstart.h"
#include "session/frmTray.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::sz;
using AccountTimer = testing::AccountSession;

TEST_F(AccountTimer, MemberSessionOpensAtZeroAndReportsItself) {
  stored::write(stored::Continue, 1);  // only a guest's session is ever continued
  stored::write(stored::Elapsed, "0:20:30");
  memberLogsIn();
  TimerWindow& timer = startSession("frmtimer");
  EXPECT_EQ(timer.caption(), "0:0:0 [Timer]");
  EXPECT_EQ(timer.lbllogint.caption(), "Login Time: ");
  EXPECT_EQ(timer.logoutLabel.name(), "lbltmr");
  EXPECT_EQ(timer.TabStrip1.tabs().size(), 3u) << "no alarm tab";
  EXPECT_EQ(c.stored(stored::Status), dword(1));
  EXPECT_EQ(c.stored(stored::UserId), sz("anna"));
  EXPECT_EQ(c.stored(stored::Amount), sz("0"));
  EXPECT_EQ(timer.lbltimer.caption(), c.h.app.form<frmClock>().Label1.caption());
  EXPECT_EQ(reports.texts(), std::vector<std::string>{"2|TAVIMO-PC07|1|12/09/2026|anna|member|0:0:0|0|" +
                                                      timer.lbltimer.caption() + "|0:0:0|Slot I|10.0.0.7"});
  EXPECT_NE(c.shell.calls.at(0).find("tip Tavimo Timer \r\n User Id: anna\r\n Double Click to maximize"), std::string::npos);
  EXPECT_FALSE(screen.visible());
  EXPECT_TRUE(c.desktop.window(c.taskbar)->visible);
  runTo(61);
  EXPECT_EQ(elapsedShown(), "0:1:1");
  EXPECT_EQ(c.stored(stored::Elapsed), sz("0:0:59"));
  EXPECT_EQ(c.stored(stored::Amount), sz("0")) << "no money is counted";
}

// Killed before the first minute's save, the client brings back this session, not the guest's
// before it.
TEST_F(AccountTimer, CrashInTheFirstMinuteBringsBackThisSession) {
  previousSessionEnded("guest");
  memberLogsIn();
  TimerWindow& timer = startSession("frmtimer");
  runTo(30);
  restartAfterCrash();
  EXPECT_EQ(c.stored(stored::Status), dword(1));
  EXPECT_EQ(c.stored(stored::UserId), sz("anna"));
  EXPECT_EQ(c.stored(stored::Elapsed), sz("0:0:0"));
  EXPECT_EQ(c.stored(stored::LoginTime), sz(timer.lbltimer.caption()));
  EXPECT_EQ(c.stored(stored::LogoutTime), sz(""));
}

// The member's report books a session shorter than the minimum as the minimum on top of what
// was used before it; from the minimum on, the time itself.
TEST_F(AccountTimer, UsageReportBooksAtLeastTheMinimum) {
  struct Row {
    const char* used;  // hours|minutes used before
    int seconds;       // the session's length
    const char* report;
  };
  const Row rows[] = {
      {"0|10", at(0, 4, 0), "1|TAVIMO-PC07|savmem|anna|0|25|0|0"},
      {"0|10", at(0, 20, 0), "1|TAVIMO-PC07|savmem|anna|0|30|0|0"},
      {"0|50", at(0, 12, 0), "1|TAVIMO-PC07|savmem|anna|1|5|0|0"},
      {"0|10", at(1, 2, 0), "1|TAVIMO-PC07|savmem|anna|1|12|0|0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.used) + " + " + std::to_string(row.seconds) + " s");
    memberLogsIn(std::string("Gold|01/05/2026|12/31/2026|5|0|") + row.used + "|17.5|0|15");
    TimerWindow& timer = startSession("frmtimer");
    runTo(row.seconds);
    timer.logout();
    confirmLogout();
    EXPECT_EQ(member.texts().back(), row.report);
    EXPECT_FALSE(c.h.app.isLoaded<frmtimer>());
  }
}

TEST_F(AccountTimer, UsedUpAccountEndsTheSessionAndTheLoginScreenSaysSo) {
  memberLogsIn("Gold|01/05/2026|12/31/2026|2|0|1|59|3|0|15");
  startSession("frmtimer");
  runTo(59);
  EXPECT_TRUE(c.h.app.isLoaded<frmtimer>());
  runTo(60);
  EXPECT_TRUE(static_cast<TimerWindow*>(timer())->loggingOut()) << "used time reached 2:00";
  confirmLogout();
  EXPECT_EQ(member.texts().back(), "1|TAVIMO-PC07|savmem|anna|2|0|0|1");
  EXPECT_TRUE(screen.visible());
  EXPECT_TRUE(screen.frammessage.visible());
  EXPECT_EQ(screen.lblmsg.caption(), "Your time slot has expired.");
  EXPECT_FALSE(client().slotExpired) << "the login screen has shown it";
}

TEST_F(AccountTimer, TicketExpiringTodayEndsOnTheFirstSecond) {
  ticketLogsIn("Hour|12/01/2026|12/09/2026|1|0|0|0|0|0");
  startSession("frmtimer3");
  runTo(1);
  EXPECT_TRUE(timer()->loggingOut());
  confirmLogout();
  EXPECT_EQ(ticket.texts().back(), "1|TAVIMO-PC07|1001|0|0|0|1") << "no minimum for a used-up ticket, no savmem";
}

TEST_F(AccountTimer, ExpiryDateIsReadMonthFirst) {
  struct Row {
    const char* expiry;
    bool endsAtOnce;
  };
  // The server's date is 12/09/2026: 09/12/2026 is in September, 12/10/2026 tomorrow.
  for (Row row : {Row{"12/10/2026", false}, Row{"09/12/2026", true}, Row{"12/9/2026", true}, Row{"01/01/2027", false}}) {
    SCOPED_TRACE(row.expiry);
    memberLogsIn(std::string("Gold|01/05/2026|") + row.expiry + "|5|0|0|0|17.5|0|0");
    TimerWindow& timer = startSession("frmtimer");
    runTo(2);
    EXPECT_EQ(timer.loggingOut(), row.endsAtOnce);
    if (!timer.loggingOut()) timer.logout();
    confirmLogout();
  }
}

TEST_F(AccountTimer, UnreadableExpiryKeepsTheEarlierOne) {
  memberLogsIn("Gold|01/05/2026|not a date|5|0|0|0|17.5|0|0");
  TimerWindow& first = startSession("frmtimer");
  runTo(1);
  EXPECT_TRUE(first.loggingOut()) << "a fresh client knows no earlier expiry date";
  confirmLogout();
  screen.hideMessage();

  memberLogsIn("Gold|01/05/2026|01/31/2027|5|0|0|0|17.5|0|0");
  TimerWindow& second = startSession("frmtimer");
  runTo(1);
  EXPECT_FALSE(second.loggingOut());
  second.logout();
  confirmLogout();

  memberLogsIn("Gold|01/05/2026|31.31.2027|5|0|0|0|17.5|0|0");
  TimerWindow& third = startSession("frmtimer");
  runTo(2);
  EXPECT_FALSE(third.loggingOut()) << "the expiry date of the session before still holds";
}

TEST_F(AccountTimer, UnansweredLogoutKeepsTheSessionOpenAndTheFilterLoaded) {
  stored::write(stored::Blocking, 1);
  ticketLogsIn();
  TimerWindow& timer = startSession("frmtimer3");
  ASSERT_TRUE(c.h.app.isLoaded<frmBlocks>());
  runTo(30);
  timer.logout();
  c.h.backend.advance(11000);
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer3>());
  EXPECT_EQ(c.stored(stored::Status), dword(1));
  EXPECT_EQ(ticket.texts().size(), 1u) << "only the login request: no usage report";
  EXPECT_TRUE(c.h.app.isLoaded<frmBlocks>()) << "the filter stays loaded after an account's session";
}

TEST_F(AccountTimer, CloseBoxIsRefusedWhileTheSessionRuns) {
  memberLogsIn();
  TimerWindow& timer = startSession("frmtimer");
  timer.userClose();
  EXPECT_TRUE(c.h.app.isLoaded<frmtimer>());
  runTo(2);
  EXPECT_EQ(elapsedShown(), "0:0:2");
}

TEST_F(AccountTimer, TrayNoticeHidesTheMembersOrTicketWindow) {
  for (const char* name : {"frmtimer", "frmtimer3"}) {
    SCOPED_TRACE(name);
    if (std::string(name) == "frmtimer") memberLogsIn(); else ticketLogsIn();
    TimerWindow& timer = startSession(name);
    timer.Image4.userClick();
    EXPECT_EQ(client().trayOwner, std::string(name) == "frmtimer" ? 2 : 3);
    c.h.app.form<frmTray>().Command1.userClick();
    EXPECT_FALSE(timer.visible());
    EXPECT_EQ(c.shell.icons.size(), 1u);
    timer.mouseMoved({0, 0, 515 * 15, 0});
    EXPECT_TRUE(timer.visible());
    timer.logout();
    confirmLogout();
  }
}

TEST_F(AccountTimer, LogoutStopsKeepOnTopAndForgetsTheMessage) {
  memberLogsIn();
  TimerWindow& timer = startSession("frmtimer");
  showTab("KSt");
  timer.Check1.userClick();
  client().pendingMessage = "Closing soon";
  timer.logout();
  EXPECT_FALSE(timer.Timer2.enabled());
  EXPECT_EQ(client().pendingMessage, "");
}

TEST_F(AccountTimer, ElapsedTimeHiddenByItsOwnFlag) {
  stored::write(stored::panelFlag(9), 1);
  memberLogsIn();
  TimerWindow& timer = startSession("frmtimer");
  EXPECT_FALSE(timer.lbltimer2.visible());
  EXPECT_EQ(timer.caption(), "Timer");
}

}  // namespace
}  // namespace tavimo
