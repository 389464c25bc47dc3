#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AtLoginScreen.h"
#include "core/EntryDialog.h"
#include "core/StoredState.h"
#include "lockdown/frmBlocks.h"
#include "login/SessionWindows.h"
#include "session/frmmemprof.h"
#include "session/frmtimer2.h"
#include "login/frmtimeselect.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "runtime/MsgBox.h"
#include "session/Tariff.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::ServerPort;

// The login screen of a started client whose server answers probes with these passwords.
class LoginScreen : public testing::AtLoginScreen {
 protected:
  // Types the name and password into empty boxes and presses Enter, as at the keyboard.
  void login(const std::string& name, const std::string& password) {
    screen.txtlog.setText("");
    screen.txtpas.setText("");
    screen.txtlog.typeText(name);
    screen.txtlog.typeKey(rt::key::Return);
    screen.txtpas.typeText(password);
    screen.txtpas.typeKey(rt::key::Return);
  }
  void answerProbe() {
    c.h.backend.advance(10);
    ASSERT_FALSE(hello.received.empty());
    hello.reply("2|admin|mgr|guest|Rs|12/09/2026|10:31:05 AM");
    c.h.backend.advance(600);
  }
  // A login the server never answers; the customer chooses to close the client and types
  // this local administrator password.
  void timeOutAndCloseWith(const std::string& password) {
    c.h.backend.answerMessageBox(rt::mb::Yes);
    c.h.backend.onModal("frmPasswd", [password](rt::Form& f) {
      static_cast<frmPasswd&>(f).txtpas.setText(password);
      static_cast<frmPasswd&>(f).cmdsubt.userClick();
    });
    login("anna", "pw");
  }
  std::string shown() { return screen.frammessage.visible() ? screen.lblmsg.caption() : ""; }

  ServerPort hello{c.h.server, 45671};
  ServerPort member{c.h.server, 45674};
  ServerPort ticket{c.h.server, 45677};
  ServerPort guest{c.h.server, 45673};
};

TEST_F(LoginScreen, StaffNamesMatchOnlyInLowerCase) {
  struct Row {
    const char* name;
    const char* password;
    const char* message;
    const char* kind;
  };
  const Row rows[] = {
      {"administrator", "admin", "", "admn"},
      {"administrator", "Admin", "Invalid Password", ""},
      {"manager", "mgr", "", "mgr"},
      {"manager", "admin", "Invalid Password", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + "/" + row.password);
    if (c.h.app.isLoaded<frmControl>()) c.h.app.form<frmControl>().unload();
    screen.hideMessage();
    screen.show();
    c.h.backend.advance(10);
    login(row.name, row.password);
    answerProbe();
    EXPECT_EQ(shown(), row.message);
    EXPECT_EQ(client().loginKind, row.kind);
    if (*row.kind) {
      EXPECT_EQ(c.h.app.form<frmControl>().caption(), std::string("Configuration Panel [") + row.name + "]");
      EXPECT_FALSE(screen.visible());
      EXPECT_TRUE(c.desktop.window(c.taskbar)->visible);
    }
  }
}

TEST_F(LoginScreen, ManagerLoginRefusedWhenDisabledHere) {
  writeValue(HKEY_CLASSES_ROOT, ".Java", "a7", 1, REG_DWORD);
  login("manager", "mgr");
  answerProbe();
  EXPECT_EQ(shown(), "Invalid Login");
  EXPECT_FALSE(c.h.app.isLoaded<frmControl>());
}

TEST_F(LoginScreen, OtherCasesOfStaffNamesAreMembers) {
  login("Administrator", "admin");
  answerProbe();
  EXPECT_EQ(member.texts(), std::vector<std::string>{"0|TAVIMO-PC07|Administrator"});
}

TEST_F(LoginScreen, GuestInAnyCaseGetsTheTariffThenTheTimer) {
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Settings", "Blocking", 1, REG_DWORD);
  login(" GuEsT ", "guest");
  answerProbe();
  EXPECT_EQ(guest.texts(), std::vector<std::string>{"0|TAVIMO-PC07|rates"});
  c.h.backend.advance(2000);
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer2>()) << "waits for the tariff";
  tariff().tariffLoaded = true;
  c.h.backend.advance(500);
  EXPECT_TRUE(c.h.app.form<frmtimer2>().visible());
  EXPECT_TRUE(c.h.app.isLoaded<frmBlocks>());
  EXPECT_FALSE(screen.visible());
  EXPECT_EQ(client().loginKind, "gust");
  EXPECT_EQ(client().userLabel, "guest");
}

TEST_F(LoginScreen, GuestSetupWhenTheServerAsksForIt) {
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers", "SecuredLogin", 1, REG_DWORD);
  login("guest", "guest");
  answerProbe();
  tariff().tariffLoaded = true;
  c.h.backend.advance(500);
  EXPECT_TRUE(c.h.app.form<frmtimeselect>().visible());
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer2>());
  EXPECT_TRUE(screen.visible()) << "the login screen stays behind the setup";
}

TEST_F(LoginScreen, MemberReplies) {
  struct Row {
    const char* reply;
    const char* password;
    const char* message;
  };
  const Row rows[] = {
      {"0|", "pw", "Invalid Login"},
      {"1|pw|Gold|a|b|1|0|0|0|10|0|0", "PW", "Invalid password"},
      {"1|pw|Gold|a|b|1|0|0|0|10|1|0", "pw", "You are already logged in"},
      {"1|pw|Gold|a|b|1|0|0|0|10|0|0", "pw", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.reply);
    screen.hideMessage();
    login("anna", row.password);
    answerProbe();
    ASSERT_FALSE(member.received.empty());
    member.reply(row.reply);
    c.h.backend.advance(600);
    EXPECT_EQ(shown(), row.message);
  }
  EXPECT_TRUE(c.h.app.form<frmmemprof>().visible());
  EXPECT_EQ(client().loginKind, "memb");
  EXPECT_EQ(client().loginId, "anna");
  EXPECT_EQ(client().userLabel, "member");
}

TEST_F(LoginScreen, TicketCountsOnlyWhenAnsweredWithinTheSecond) {
  login("1001", " day ");
  answerProbe();
  ASSERT_EQ(ticket.texts(), std::vector<std::string>{"0|TAVIMO-PC07|1001"});
  c.h.backend.advance(1000);
  ticket.reply("1|day|Day|a|b|1|0|0|0|0|0");
  c.h.backend.advance(10);
  EXPECT_EQ(shown(), "Invalid Login") << "the reply came too late";

  screen.hideMessage();
  login("1001", "night");
  answerProbe();
  ticket.reply("1| day |Day|a|b|1|0|0|0|0|0");
  c.h.backend.advance(1000);
  EXPECT_EQ(shown(), "Invaid password");

  screen.hideMessage();
  login("1001", " day");
  answerProbe();
  ticket.reply("1| day |Day|a|b|1|0|0|0|0|0");
  c.h.backend.advance(1000);
  EXPECT_EQ(shown(), "");
  EXPECT_EQ(client().loginKind, "tket");
  EXPECT_EQ(client().userLabel, "ticket");
  EXPECT_TRUE(c.h.app.form<frmmemprof>().visible());
}

TEST_F(LoginScreen, NoAnswerAfterTwentyTicksOffersToClose) {
  c.h.backend.answerMessageBox(rt::mb::No);
  login("anna", "pw");
  c.h.backend.advance(20 * 500);
  EXPECT_TRUE(c.h.backend.messageBoxes().empty()) << "twenty ticks still wait";
  c.h.backend.advance(500);
  ASSERT_EQ(c.h.backend.messageBoxes().size(), 2u);
  EXPECT_EQ(c.h.backend.messageBoxes()[0].prompt, "Cannot Login!, Tavimo Server is not reachable");
  EXPECT_EQ(c.h.backend.messageBoxes()[1].prompt, "Do you want to close Tavimo Client now");
  const std::string handle = std::to_string(screen.hWnd());
  auto& calls = c.desktop.calls;
  auto left = std::find(calls.begin(), calls.end(), "SetWindowPos " + handle + " HWND_NOTOPMOST");
  EXPECT_NE(left, calls.end()) << "the questions are not covered by the screen";
  EXPECT_EQ(screen.txtlog.text(), "");
  EXPECT_TRUE(screen.stimer1.enabled());
}

TEST_F(LoginScreen, ProbeThenAWrongGuestPassword) {
  login("guest", "gust");
  EXPECT_EQ(screen.lblStatus.caption(), "Status: Logging in...");
  c.h.backend.advance(10);
  EXPECT_EQ(hello.texts(), std::vector<std::string>{"0|TAVIMO-PC07"});
  answerProbe();
  EXPECT_EQ(shown(), "Invalid Password");
  EXPECT_FALSE(screen.framlogin.visible());
  EXPECT_EQ(screen.lblStatus.caption(), "");
  EXPECT_TRUE(guest.received.empty());
  screen.cmdmessage.userClick();
  EXPECT_TRUE(screen.framlogin.visible());
  EXPECT_EQ(screen.activeControl(), &screen.txtpas);
  EXPECT_EQ(screen.txtpas.selLength(), 4) << "the wrong password is selected for retyping";
}

// An answered probe does not shorten the next one: each login waits its own 21 ticks.
TEST_F(LoginScreen, EveryProbeWaitsItsFullTime) {
  login("guest", "gust");
  answerProbe();
  screen.hideMessage();
  c.h.backend.answerMessageBox(rt::mb::No);
  login("anna", "pw");
  c.h.backend.advance(20 * 500 + 100);
  EXPECT_TRUE(c.h.backend.messageBoxes().empty());
  c.h.backend.advance(500);
  EXPECT_EQ(c.h.backend.messageBoxes().size(), 2u);
}

TEST_F(LoginScreen, AWrongClosePasswordLeavesTheScreenLocked) {
  timeOutAndCloseWith("guess");
  c.h.backend.advance(21 * 500);
  EXPECT_EQ(shown(), "Invalid Password");
  EXPECT_TRUE(screen.framlogin.visible()) << "the login frame stays usable beside the message";
  EXPECT_EQ(screen.txtlog.text(), "");
  EXPECT_TRUE(screen.visible());
  EXPECT_TRUE(screen.stimer1.enabled()) << "the screen goes back on top";
}

TEST_F(LoginScreen, ClosingAfterTheTimeOutNeedsThePassword) {
  timeOutAndCloseWith("qorvu");
  EXPECT_THROW(c.h.backend.advance(21 * 500), rt::ProgramEnded);
  EXPECT_TRUE(c.h.app.forms().empty());
}

TEST_F(LoginScreen, KeysAndButtons) {
  EXPECT_FALSE(screen.cmdsubt.enabled());
  screen.txtlog.typeText("anna");
  screen.txtlog.typeKey(rt::key::Return);
  EXPECT_EQ(screen.activeControl(), &screen.txtpas);
  EXPECT_EQ(screen.txtlog.text(), "anna");
  screen.txtpas.typeText("x");
  EXPECT_TRUE(screen.cmdsubt.enabled());
  screen.txtpas.typeKey(rt::key::Back);
  EXPECT_FALSE(screen.cmdsubt.enabled());
  screen.cmdcan.userClick();
  EXPECT_EQ(screen.txtlog.text(), "");
  EXPECT_EQ(screen.activeControl(), &screen.txtlog);
  EXPECT_TRUE(hello.received.empty()) << "nothing was sent without a password";
}

// The picture's place is 7560 x 7320 twips on a 1024 x 768 screen.
TEST_F(LoginScreen, PictureIsCentredAndShrunkOnlyWhenItDoesNotFit) {
  struct Row {
    int pixelsWide, pixelsHigh;
    int left, top, width, height;
    bool stretched;
  };
  const auto file = std::filesystem::temp_directory_path() / "tavimo-login-picture.png";
  for (Row row : {Row{100, 50, 3030, 3285, 1500, 750, false}, Row{1600, 1200, 0, 825, 7560, 5670, true}}) {
    SCOPED_TRACE(std::to_string(row.pixelsWide) + "x" + std::to_string(row.pixelsHigh));
    unsigned char png[24] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (int i = 0; i < 4; ++i) {
      png[16 + i] = static_cast<unsigned char>(row.pixelsWide >> (24 - 8 * i));
      png[20 + i] = static_cast<unsigned char>(row.pixelsHigh >> (24 - 8 * i));
    }
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(png), sizeof png);
    stored::write(stored::LoginScr, file.string());
    screen.hide();
    screen.show();
    EXPECT_EQ(screen.Image1.picture(), file.string());
    EXPECT_EQ(screen.Image1.stretch(), row.stretched);
    EXPECT_EQ(screen.Image1.left(), row.left);
    EXPECT_EQ(screen.Image1.top(), row.top);
    EXPECT_EQ(screen.Image1.width(), row.width);
    EXPECT_EQ(screen.Image1.height(), row.height);
  }
  stored::write(stored::LoginScr, "");
  screen.hide();
  screen.show();
  EXPECT_EQ(screen.Image1.picture(), "") << "staff took the picture away";
  std::filesystem::remove(file);
}

TEST_F(LoginScreen, AnExpiredSlotIsToldWhenTheScreenComesBack) {
  client().slotExpired = true;
  screen.hide();
  screen.show();
  EXPECT_EQ(shown(), "Your time slot has expired.");
  EXPECT_FALSE(client().slotExpired);
}

}  // namespace
}  // namespace tavimo
