#include <gtest/gtest.h>

#include <algorithm>

#include "GuestSession.h"
#include "login/frmstart.h"
#include "session/frmClock.h"
#include "session/timemsg.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::sz;
using GuestTimer = testing::GuestSession;

constexpr const char* newSessionReport = "2|TAVIMO-PC07|1|12/09/2026|guest|guest|0:0:0|0|10:31:5 AM|0:0:0|Slot I|10.0.0.7";

TEST_F(GuestTimer, OpeningWritesTheRecordAndReportsTheSession) {
  frmtimer2& timer = logIn();
  EXPECT_EQ(timer.caption(), "0:0:0 [Timer]");
  EXPECT_EQ(timer.lblCaption.caption(), "0:0:0 [Timer]");
  EXPECT_EQ(elapsedShown(), "0:0:0");
  EXPECT_EQ(amountShown(), "0");
  EXPECT_EQ(timer.lbltimer.caption(), "10:31:5 AM") << "the login time is the café clock's";
  EXPECT_EQ(c.stored(stored::Status), dword(1));
  EXPECT_EQ(c.stored(stored::UserId), sz("guest"));
  EXPECT_EQ(c.stored(stored::Elapsed), sz("0:0:0"));
  EXPECT_EQ(c.stored(stored::Amount), sz("0"));
  EXPECT_EQ(c.stored(stored::Date), sz("12/09/2026"));
  EXPECT_EQ(c.stored(stored::LoginTime), sz("10:31:5 AM"));
  EXPECT_EQ(c.stored(stored::LogoutTime), sz(""));
  EXPECT_EQ(c.stored(stored::Remind), sz("1")) << "the alarm starts on";
  EXPECT_EQ(timer.Combo1.text(), "Alarm On");
  EXPECT_EQ(reports.texts(), std::vector<std::string>{newSessionReport});
  EXPECT_TRUE(c.files.exists(client().backupFile)) << "the key is backed up at once";

  const std::string icon = std::to_string(timer.hWnd()) + " id 1 flags 7 message 512 tip Tavimo Timer \r\nUser Id: guest\r\nDouble Click to maximize";
  ASSERT_GE(c.shell.calls.size(), 2u);
  EXPECT_EQ(c.shell.calls[0], "Shell_NotifyIcon NIM_ADD " + icon);
  EXPECT_EQ(c.shell.calls[1], "Shell_NotifyIcon NIM_DELETE " + icon);
  EXPECT_TRUE(c.shell.icons.empty()) << "no icon while the window is shown";
  auto& calls = c.desktop.calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SetThreadPriority highest; SetPriorityClass high"), calls.end());
  EXPECT_TRUE(timer.Check1.visible());
}

TEST_F(GuestTimer, FirstSecondsShowTheAmountOfTheSecondBefore) {
  logIn();
  runTo(1);
  EXPECT_EQ(elapsedShown(), "0:0:1");
  EXPECT_EQ(amountShown(), "0");
  runTo(2);
  EXPECT_EQ(elapsedShown(), "0:0:2");
  EXPECT_EQ(amountShown(), "10");
}

TEST_F(GuestTimer, MinuteRollOverSavesTheLastSecondOfTheMinute) {
  logIn();
  runTo(59);
  EXPECT_EQ(elapsedShown(), "0:0:59");
  EXPECT_EQ(c.stored(stored::Elapsed), sz("0:0:59"));
  EXPECT_EQ(c.stored(stored::Amount), sz("10"));
  runTo(60);
  EXPECT_EQ(elapsedShown(), "0:1:0");
  EXPECT_EQ(window().caption(), "0:1:0 [Timer]");
  runTo(119);
  EXPECT_EQ(c.stored(stored::Elapsed), sz("0:1:59"));
}

// Killed before the first minute's save, the client brings back this session, new or resumed,
// with its amount: not the one before it.
TEST_F(GuestTimer, CrashInTheFirstMinuteBringsBackThisSession) {
  struct Row {
    int continued;
    const char* elapsed;  // shown at the crash, and backed up
    const char* amount;
    const char* loginTime;
  };
  const Row rows[] = {{0, "0:0:20", "0", "10:31:5 AM"}, {1, "0:20:50", "12", "9:55:12 AM"}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.continued ? "resumed" : "new");
    previousSessionEnded("anna");
    stored::write(stored::Continue, row.continued);
    stored::write(stored::Elapsed, "0:20:30");
    stored::write(stored::Amount, "12.5");
    stored::write(stored::LoginTime, "9:55:12 AM");
    frmtimer2& timer = logIn();
    runTo(20);
    EXPECT_EQ(elapsedShown(), row.elapsed);
    restartAfterCrash();
    EXPECT_EQ(c.stored(stored::Status), dword(1));
    EXPECT_EQ(c.stored(stored::UserId), sz("guest"));
    EXPECT_EQ(c.stored(stored::Elapsed), sz(row.continued ? "0:20:30" : "0:0:0"));
    EXPECT_EQ(c.stored(stored::Amount), sz(row.amount));
    EXPECT_EQ(c.stored(stored::LoginTime), sz(row.loginTime));
    EXPECT_EQ(c.stored(stored::LogoutTime), sz(""));
    timer.logout();
    confirmLogout();
  }
}

TEST_F(GuestTimer, TimeLimitRemindsTwoMinutesBeforeAndEndsTheSession) {
  stored::write(stored::TimeLimit, "15");
  logIn();
  runTo(at(0, 13, 0));
  EXPECT_FALSE(c.h.app.isLoaded<timemsg>());
  runTo(at(0, 13, 1));
  EXPECT_TRUE(c.h.app.form<timemsg>().visible()) << "the prompt opens at 0:13:1";
  c.h.app.form<timemsg>().Command2.userClick();
  runTo(at(0, 14, 58));
  EXPECT_FALSE(window().loggingOut());
  runTo(at(0, 14, 59));
  EXPECT_EQ(elapsedShown(), "0:14:59");
  EXPECT_TRUE(window().loggingOut()) << "the roll-over completing minute 15 logs out";
  EXPECT_EQ(window().lblStatus.caption(), "Status: Logging you out...");
  EXPECT_TRUE(window().lblStatus.visible());
  c.h.backend.advance(10);
  EXPECT_EQ(hello.texts(), std::vector<std::string>{"0|TAVIMO-PC07"});
}

TEST_F(GuestTimer, AlarmOffKeepsTheLimitWithoutReminder) {
  stored::write(stored::TimeLimit, "15");
  frmtimer2& timer = logIn();
  timer.Combo1.setListIndex(1);
  EXPECT_EQ(c.stored(stored::Remind), sz("0"));
  runTo(at(0, 14, 59));
  EXPECT_FALSE(c.h.app.isLoaded<timemsg>());
  EXPECT_TRUE(timer.loggingOut());
}

TEST_F(GuestTimer, LimitOfAnHourOrMoreCountsTheWholeSession) {
  stored::write(stored::TimeLimit, "75");
  frmtimer2& timer = logIn();
  runTo(at(1, 13, 0));
  EXPECT_FALSE(c.h.app.isLoaded<timemsg>());
  runTo(at(1, 13, 1));
  EXPECT_TRUE(c.h.app.isLoaded<timemsg>()) << "the reminder two minutes before 1:15";
  c.h.app.form<timemsg>().Command2.userClick();
  runTo(at(1, 14, 58));
  EXPECT_FALSE(timer.loggingOut());
  runTo(at(1, 14, 59));
  EXPECT_EQ(elapsedShown(), "1:14:59");
  EXPECT_TRUE(timer.loggingOut());
}

TEST_F(GuestTimer, ResumedSessionGoesOnFromTheStoredTimeAndWholeAmount) {
  stored::write(stored::Continue, 1);
  stored::write(stored::Amount, "12.5");
  stored::write(stored::Elapsed, "0:20:30");
  stored::write(stored::LoginTime, "9:55:12 AM");
  frmtimer2& timer = logIn();
  EXPECT_EQ(elapsedShown(), "0:20:30");
  EXPECT_EQ(amountShown(), "12") << "12.5 rounds to the even 12";
  EXPECT_EQ(timer.lbltimer.caption(), "9:55:12 AM");
  EXPECT_EQ(c.stored(stored::LoginTime), sz("9:55:12 AM"));
  runTo(1);
  EXPECT_EQ(elapsedShown(), "0:20:31");
  runTo(2);
  EXPECT_EQ(amountShown(), "15") << "minute 20 lies in the second slot";

  timer.logout();
  confirmLogout();
  EXPECT_EQ(guest.texts().back(), "1|TAVIMO-PC07|Old|2.5") << "what this part of the session added";
}

TEST_F(GuestTimer, ResumedSessionWithoutChangeReportsNothingAdded) {
  stored::write(stored::Continue, 1);
  stored::write(stored::Amount, "12");
  stored::write(stored::Elapsed, "0:20:30");
  logIn().logout();
  confirmLogout();
  EXPECT_EQ(guest.texts().back(), "1|TAVIMO-PC07|Old|0");
}

TEST_F(GuestTimer, ConfirmedLogoutChargesReportsAndReturnsToTheLogin) {
  frmtimer2& timer = logIn();
  showTab("KSt");
  timer.Check2.userClick();
  runTo(at(0, 3, 20));
  const std::string logoutTime = clockShows();
  timer.logout();
  EXPECT_FALSE(timer.Timer1.enabled());
  EXPECT_EQ(timer.lbltimer3.caption(), logoutTime);
  confirmLogout();

  EXPECT_EQ(guest.texts().back(), "1|TAVIMO-PC07|New|10");
  EXPECT_EQ(reports.texts().back(), "2|TAVIMO-PC07|0|12/09/2026|guest|guest|0:3:20|10|10:31:5 AM|" + logoutTime + "|Slot I|10.0.0.7");
  EXPECT_EQ(c.stored(stored::Status), dword(0));
  EXPECT_EQ(c.stored(stored::LogoutTime), sz(logoutTime));
  EXPECT_EQ(c.stored(stored::Continue), dword(0));
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("0"));
  EXPECT_EQ(browserDisplay(), std::vector<testing::StoredValue>(4, sz("yes")));
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer2>());
  EXPECT_FALSE(c.h.app.isLoaded<frmClock>());
  EXPECT_TRUE(screen.visible());
}

TEST_F(GuestTimer, UnansweredLogoutLeavesTheSessionOpenForTheServer) {
  frmtimer2& timer = logIn();
  runTo(70);
  const std::string logoutTime = clockShows();
  timer.logout();
  const std::size_t charges = guest.received.size();
  const std::size_t sessionReports = reports.received.size();
  c.h.backend.advance(10000);
  EXPECT_TRUE(c.h.app.isLoaded<frmtimer2>()) << "20 ticks of 500 ms are still waiting";
  c.h.backend.advance(500);
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer2>());
  EXPECT_TRUE(screen.visible());
  EXPECT_EQ(c.stored(stored::Status), dword(1));
  EXPECT_EQ(c.stored(stored::Elapsed), sz("0:1:10"));
  EXPECT_EQ(c.stored(stored::LogoutTime), sz(logoutTime));
  EXPECT_EQ(c.stored(stored::Continue), dword(0));
  EXPECT_EQ(guest.received.size(), charges) << "no charge";
  EXPECT_EQ(reports.received.size(), sessionReports) << "no report";
}

// The slot tariff's example: a guest who leaves at 2:05 owes the first hour at its slot price
// plus three started blocks.
TEST_F(GuestTimer, SlotTariffPricesTheFirstHourThenBlocks) {
  frmtimer2& timer = logIn();
  struct Row {
    int second;
    const char* shown;  // the amount computed on the second before
  };
  const Row rows[] = {{at(0, 14, 59), "10"}, {at(0, 15, 0), "15"}, {at(0, 29, 59), "15"}, {at(0, 30, 0), "20"},
                      {at(0, 45, 0), "25"},  {at(1, 0, 0), "25"},  {at(1, 0, 1), "37"},  {at(1, 29, 59), "37"},
                      {at(1, 30, 0), "49"},  {at(2, 0, 0), "61"},  {at(2, 5, 0), "61"}};
  for (const Row& row : rows) {
    runTo(row.second);
    EXPECT_EQ(amountShown(), row.shown) << "at " << elapsedShown();
  }
  timer.logout();
  confirmLogout();
  EXPECT_EQ(guest.texts().back(), "1|TAVIMO-PC07|New|61");
  EXPECT_EQ(reports.texts().back().substr(0, 50), "2|TAVIMO-PC07|0|12/09/2026|guest|guest|2:5:0|61|10");
}

TEST_F(GuestTimer, FlatTariffChargesEveryStartedMinute) {
  frmtimer2& timer = logIn("Flat");
  const std::pair<int, const char*> rows[] = {{2, "0.5"}, {at(0, 0, 59), "0.5"}, {at(0, 1, 0), "1"}, {at(0, 2, 0), "1.5"}};
  for (auto [second, shown] : rows) {
    runTo(second);
    EXPECT_EQ(amountShown(), shown) << "at " << elapsedShown();
  }
  runTo(at(0, 2, 30));
  timer.logout();
  confirmLogout();
  EXPECT_EQ(guest.texts().back(), "1|TAVIMO-PC07|New|1.5");
}

TEST_F(GuestTimer, BlockedThreadStillCountsTheSecondsThatPassed) {
  logIn();
  runTo(10);
  c.h.backend.sleep(5000);  // a handler that holds the thread
  runTo(16);
  EXPECT_EQ(elapsedShown(), "0:0:16");
  runTo(at(1, 0, 0));
  EXPECT_EQ(elapsedShown(), "1:0:0") << "an hour of ticks is an hour of session";
}

TEST_F(GuestTimer, CloseBoxDoesNothingWhileTheSessionRuns) {
  frmtimer2& timer = logIn();
  timer.userClose();
  EXPECT_TRUE(c.h.app.isLoaded<frmtimer2>());
  runTo(3);
  EXPECT_EQ(elapsedShown(), "0:0:3");
}

}  // namespace
}  // namespace tavimo
