#include <gtest/gtest.h>

#include "../session/AccountSession.h"
#include "../session/GuestSession.h"
#include "net/listener.h"

namespace tavimo {
namespace {

// Commands that act on the running session's timer window.
class ListenerInGuestSession : public testing::GuestSession {
 protected:
  // The server's first answer gave the guest password, as at every start.
  ListenerInGuestSession() {
    client().guestPassword = "guest";
    c.h.app.form<listener>();
  }
  void send(const std::string& command) {
    commands.sendTo("10.0.0.7", 45664, command);
    c.h.backend.advance(10);
  }
  testing::ServerPort commands{c.h.server, 45678};
};

TEST_F(ListenerInGuestSession, LogOutEndsTheSessionAsTheLogoutLabelDoes) {
  frmtimer2& timer = logIn();
  runTo(65);
  send("5");
  EXPECT_TRUE(timer.loggingOut());
  confirmLogout();
  EXPECT_EQ(guest.texts().back(), "1|TAVIMO-PC07|New|10");
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer2>());
}

// The paused time is never billed, nor caught up when the clock goes on.
TEST_F(ListenerInGuestSession, PauseStopsTheSessionClockAndResumeGoesOnWhereItStopped) {
  logIn();
  runTo(10);
  send("p");
  EXPECT_EQ(elapsedShown(), "0:0:10");
  c.h.backend.advance(5 * 60 * 1000);
  EXPECT_EQ(elapsedShown(), "0:0:10") << "five paused minutes count nothing";
  send("t");
  c.h.backend.advance(1950);
  EXPECT_EQ(elapsedShown(), "0:0:12");
  EXPECT_EQ(amountShown(), "10") << "still in the first slot";
}

TEST_F(ListenerInGuestSession, ResumeCommandsWhileTheClockRunsDoNotHoldItBack) {
  logIn();
  runTo(2);
  for (int i = 0; i < 10; ++i) {
    send("t");
    c.h.backend.advance(490);
  }
  // Five seconds later the window has ticked on (the next tick would catch up in any case).
  EXPECT_GE(shownSeconds(), 6) << elapsedShown();
}

// Every kind of datagram the server may send during a session, each arriving every 10 ms on
// its port for five seconds: the window goes on counting all the while.
TEST_F(ListenerInGuestSession, TheServersDatagramsWithoutPauseLeaveTheClockRunning) {
  const std::string handshake = "2|admin|mgr|guest|Rs|12/09/2026|11:02:00 AM";
  const struct {
    std::uint16_t port;
    std::vector<std::string> texts;
  } kinds[] = {
      {45665, {handshake, "1" + handshake.substr(1)}},
      {45667, {"1|charges24.ini", "4|[1]\r\ntype=1\r\nslots=15,30,45,60\r\nrates=10,15,20,25\r\nafter=1\r\ncharges=12\r\nmin=30\r\n", "3|charges24.ini"}},
      {45668, {"1|12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15", "0|"}},
      {45663, {"1|t1001|One hour|01/15/2024|12/31/2030|1|0|0|0|0|0", "0|"}},
      {45680, {"1|sys", "4|[startmenu]\r\nrunmenu=0\r\n", "3|sys"}},
      {45664, {"a", "n", "g", "t", "3", "4", "c", "7", "8", "9", "0", "x", "h10:31:05 AM|0:0:1|1", "1"}},
  };
  logIn();
  runTo(1);
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.port);
    const int before = shownSeconds();
    for (int i = 0; i < 200; ++i) {
      hello.sendTo("10.0.0.7", kind.port, kind.texts[i % kind.texts.size()]);
      c.h.backend.advance(10);
    }
    ASSERT_NE(timer(), nullptr);
    EXPECT_GE(shownSeconds() - before, 1) << "two seconds of the server's datagrams stopped the clock";
  }
}

TEST_F(ListenerInGuestSession, SessionCommandsNeedTheirSession) {
  for (const char* command : {"5", "p", "t"}) {
    SCOPED_TRACE(command);
    send(command);  // nobody is logged in: nothing to act on
    EXPECT_TRUE(screen.visible());
  }
  frmtimer2& timer = logIn();
  client().loginKind = "memb";  // the member's window is not the one open
  send("p");
  runTo(3);
  EXPECT_EQ(elapsedShown(), "0:0:3");
  EXPECT_FALSE(timer.loggingOut());
}

TEST_F(ListenerInGuestSession, ResumeCommandContinuesTheStoredGuestSession) {
  send("h9:55:12 AM|0:20:30|12.5");
  c.h.backend.advance(10);
  hello.reply("2|admin|mgr|guest|Rs|12/09/2026|10:31:05 AM");
  c.h.backend.advance(600);
  EXPECT_TRUE(c.files.writeAll(c.systemFile("charges24.ini"), testing::cafeTariff));
  loadTariff();
  frmtimer2& timer = static_cast<frmtimer2&>(opened("frmtimer2"));
  EXPECT_EQ(elapsedShown(), "0:20:30");
  EXPECT_EQ(amountShown(), "12");
  EXPECT_EQ(timer.lbltimer.caption(), "9:55:12 AM");
  EXPECT_EQ(client().pendingMessage, "");
}

using ListenerInAccountSession = testing::AccountSession;

TEST_F(ListenerInAccountSession, PauseAndLogOutReachTheMembersAndTicketWindows) {
  c.h.app.form<listener>();
  testing::ServerPort commands{c.h.server, 45678};
  auto send = [&](const char* command) {
    commands.sendTo("10.0.0.7", 45664, command);
    c.h.backend.advance(10);
  };
  for (const char* window : {"frmtimer", "frmtimer3"}) {
    SCOPED_TRACE(window);
    if (std::string(window) == "frmtimer") memberLogsIn(); else ticketLogsIn();
    TimerWindow& timer = startSession(window);
    runTo(2);
    send("p");
    c.h.backend.advance(10000);
    EXPECT_EQ(elapsedShown(), "0:0:2");
    send("t");
    send("5");
    EXPECT_TRUE(timer.loggingOut());
    confirmLogout();
  }
  EXPECT_EQ(member.texts().back(), "1|TAVIMO-PC07|savmem|anna|2|45|0|0");
  EXPECT_EQ(ticket.texts().back(), "1|TAVIMO-PC07|1001|0|0|0|0");
}

}  // namespace
}  // namespace tavimo
