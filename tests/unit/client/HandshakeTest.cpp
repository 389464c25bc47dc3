#include <gtest/gtest.h>

#include "core/EntryDialog.h"
#include "core/frmconnection.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "session/frmClock.h"
#include "runtime/MsgBox.h"
#include "support/HeadlessClient.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::ServerPort;

// A started client waiting for the server's first answer.
class Handshake : public ::testing::Test {
 protected:
  Handshake() {
    writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer", "CAFESERVER", REG_SZ);
    writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec", 1, REG_DWORD);
    c.h.app.form<frmconnection>().show();
    c.h.backend.advance(10);
  }
  void answer(const std::string& reply) {
    hello.reply(reply);
    c.h.backend.advance(10);
  }
  // The operator types this password each time the close dialog comes up.
  void typePasswords(std::vector<std::string> passwords) {
    for (const std::string& typed : passwords)
      c.h.backend.onModal("frmPasswd", [typed](rt::Form& f) {
        auto& dialog = static_cast<frmPasswd&>(f);
        dialog.txtpas.typeText(typed);
        dialog.cmdsubt.userClick();
      });
  }
  std::string status() { return c.h.app.form<frmconnection>().Label1.caption(); }
  std::vector<std::string> prompts() {
    std::vector<std::string> all;
    for (const auto& box : c.h.backend.messageBoxes()) all.push_back(box.prompt);
    return all;
  }

  testing::HeadlessClient c;
  ServerPort hello{c.h.server, 45671};
};

TEST_F(Handshake, FirstAnswerEndsTheStartUpAndShowsTheLoginScreen) {
  answer("1|admin pw|mgr|guest|Rs|12/9/2026|10:31:05 AM");
  ClientContext& cx = client();
  EXPECT_EQ(cx.adminPassword, "admin pw");
  EXPECT_EQ(cx.managerPassword, "mgr");
  EXPECT_EQ(cx.guestPassword, "guest");
  EXPECT_EQ(cx.currencyName, "Rs");
  EXPECT_EQ(cx.serverDate, "12/09/2026");
  EXPECT_EQ(cx.serverTime, "10:31:05 AM");
  EXPECT_FALSE(cx.startupPhase);
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Settings", "PreviousDate"), "12/09/2026");
  EXPECT_EQ(c.h.app.form<frmClock>().Label1.caption(), "10:31:5 AM");

  EXPECT_FALSE(c.h.app.isLoaded<frmconnection>());
  ASSERT_TRUE(c.h.app.isLoaded<frmstart>());
  EXPECT_TRUE(c.h.app.form<frmstart>().visible());
  EXPECT_EQ(c.h.app.form<frmstart>().caption(), "Login Mode");
  EXPECT_TRUE(c.h.app.isLoaded<listener>());
  const auto& journal = c.h.backend.journal();
  auto sleep = std::find(journal.begin(), journal.end(), "sleep 1000");
  auto closed = std::find(journal.begin(), journal.end(), "destroy frmconnection");
  EXPECT_TRUE(sleep < closed) << "\"Server Found\" stays for a second before the window closes";
  // No time-out later on.
  c.h.backend.advance(60000);
  EXPECT_TRUE(prompts().empty());
}

TEST_F(Handshake, ProbeAnswerDuringStartUpOnlyRefreshesAndStopsTheTimeOut) {
  answer("2|a|m|g|$|12/09/2026|1:00:00 PM");
  EXPECT_EQ(client().adminPassword, "a");
  EXPECT_TRUE(client().serverReplied);
  EXPECT_TRUE(client().startupPhase);
  EXPECT_TRUE(c.h.app.isLoaded<frmconnection>());
  EXPECT_FALSE(c.h.app.isLoaded<frmstart>());
  c.h.backend.advance(60000);
  EXPECT_TRUE(prompts().empty());
}

TEST_F(Handshake, LaterFirstAnswerRefreshesWithoutShowingTheLoginAgain) {
  answer("1|a|m|g|$|12/09/2026|1:00:00 PM");
  c.h.app.form<frmstart>().unload();
  c.h.backend.advance(0);
  answer("1|b|m|g|$|12/10/2026|2:00:00 PM");
  EXPECT_EQ(client().adminPassword, "b");
  EXPECT_EQ(client().serverDate, "12/10/2026");
  EXPECT_FALSE(c.h.app.isLoaded<frmstart>());
}

TEST_F(Handshake, ShortAnswerKeepsTheFieldsItCannotSplit) {
  answer("2|a|m|g|$|12/09/2026|1:00:00 PM");
  answer("2|x|y");
  EXPECT_EQ(client().adminPassword, "x");
  EXPECT_EQ(client().managerPassword, "m");
  EXPECT_EQ(client().serverTime, "1:00:00 PM");
  answer("9|other code");
  EXPECT_EQ(client().adminPassword, "x");
}

TEST_F(Handshake, AnswerFromAnotherComputerIsIgnored) {
  auto forger = c.h.network.host("PC-13", "10.0.0.13").createSocket();
  forger->sendTo("10.0.0.7", 45665, "1|forged|forged|forged|$|12/09/2026|1:00:00 PM");
  c.h.backend.advance(10);
  EXPECT_EQ(client().adminPassword, "");
  EXPECT_TRUE(client().startupPhase);
  EXPECT_FALSE(c.h.app.isLoaded<frmstart>());
}

TEST_F(Handshake, TimeOutAsksForThePasswordUntilItIsRight) {
  typePasswords({"wrong", "qorvu"});
  EXPECT_THROW(c.h.backend.advance(20000), rt::ProgramEnded);
  EXPECT_EQ(prompts(), std::vector<std::string>{"Invalid Password"});
  EXPECT_EQ(c.h.backend.messageBoxes()[0].style, rt::mb::Information);
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer"), "");
  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec"), Variant(0));
  EXPECT_EQ(c.desktop.calls.back(), "SystemParametersInfo SPI_SETSCREENSAVERRUNNING 0");
  EXPECT_TRUE(c.desktop.window(c.taskbar)->visible);
  EXPECT_TRUE(c.h.app.forms().empty());
}

TEST_F(Handshake, TimeOutShowsItsStatusAndStopsKeepingTheWindowOnTop) {
  c.h.backend.onModal("frmPasswd", [this](rt::Form& f) {
    EXPECT_EQ(status(), "Tavimo Server is not reachable, request timed out");
    EXPECT_FALSE(c.h.app.form<frmconnection>().Timer1.enabled());
    static_cast<frmPasswd&>(f).txtpas.setText("qorvu");
    static_cast<frmPasswd&>(f).cmdsubt.userClick();
  });
  EXPECT_THROW(c.h.backend.advance(20000), rt::ProgramEnded);
}

TEST_F(Handshake, EmptyStoredPasswordCannotCloseTheClient) {
  writeValue(HKEY_CLASSES_ROOT, ".Java", "p0", "", REG_SZ);
  typePasswords({"qorvu", "x"});
  c.h.backend.setModalLimit(100);
  // Each wrong answer brings the dialog back; the third time nobody answers it.
  EXPECT_THROW(c.h.backend.advance(20000), rt::Stalled);
  EXPECT_EQ(prompts(), (std::vector<std::string>{"Invalid Password", "Invalid Password"}));
}

TEST_F(Handshake, SocketErrorWithReconnectSendsTheHelloAgain) {
  c.h.backend.answerMessageBox(rt::mb::Yes);
  hello.received.clear();
  c.h.app.form<frmSocks>().wskServer.onError(rt::SocketError{10054, "The connection is reset by remote side"});
  c.h.backend.advance(5);
  EXPECT_EQ(prompts(), (std::vector<std::string>{"The Tavimo Server is not reachable", "Do you want to reconnect"}));
  EXPECT_EQ(c.h.backend.messageBoxes()[0].style, rt::mb::Exclamation);
  EXPECT_EQ(c.h.backend.messageBoxes()[1].style, rt::mb::YesNo | rt::mb::Question);
  EXPECT_EQ(status(), "Searching Tavimo Server...");
  EXPECT_EQ(hello.texts(), std::vector<std::string>{"1|TAVIMO-PC07"});
}

TEST_F(Handshake, SocketErrorWithoutReconnectForgetsTheServerEvenOnAWrongPassword) {
  c.h.backend.answerMessageBox(rt::mb::No);
  typePasswords({"wrong"});
  c.h.app.form<frmSocks>().wskServer.onError(rt::SocketError{10054, "The connection is reset by remote side"});
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer"), "");
  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec"), Variant(0));
  EXPECT_EQ(prompts().back(), "Invalid Password");
  EXPECT_EQ(status(), "Tavimo Server is not reachable, request timed out");
  EXPECT_TRUE(c.h.app.form<frmSocks>().Timer2.enabled());
}

TEST_F(Handshake, ErrorsAfterTheStartUpAreIgnored) {
  answer("1|a|m|g|$|12/09/2026|1:00:00 PM");
  c.h.app.form<frmSocks>().wskServer.onError(rt::SocketError{10054, "reset"});
  c.h.backend.advance(60000);
  EXPECT_TRUE(prompts().empty());
}

TEST_F(Handshake, SendFailureOfAMessageIsShownAndPassedOver) {
  auto& sockets = c.h.app.form<frmSocks>();
  client().serverName = "";
  sockets.doConnect(sockets.wskComputer, 45672, "0|TAVIMO-PC07");
  EXPECT_EQ(prompts(), std::vector<std::string>{"Authoritative answer: Host not found"});
  EXPECT_FALSE(client().serverReplied);
}

}  // namespace
}  // namespace tavimo
