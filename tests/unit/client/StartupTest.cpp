#include <gtest/gtest.h>

#include "core/EntryDialog.h"
#include "core/StoredState.h"
#include "core/frmconnection.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "runtime/MsgBox.h"
#include "support/HeadlessClient.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::ServerPort;

class Startup : public ::testing::Test {
 protected:
  void start() { c.h.app.form<frmconnection>().show(); }
  void typeServerName(const std::string& typed) {
    c.h.backend.onModal("frmSvrnm", [typed](rt::Form& f) {
      auto& dialog = static_cast<frmSvrnm&>(f);
      dialog.txtpas.typeText(typed);
      dialog.txtpas.typeKey(rt::key::Return);
    });
  }
  std::string status() { return c.h.app.form<frmconnection>().Label1.caption(); }

  testing::HeadlessClient c;
  ServerPort hello{c.h.server, 45671};
  ServerPort settings{c.h.server, 45681};
};

TEST_F(Startup, FirstStartAsksForTheServerNameAndStoresItTrimmed) {
  typeServerName("  CAFESERVER  ");
  start();
  c.h.backend.advance(10);

  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer"), Variant("CAFESERVER" + std::string(1, '\0')));
  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec"), Variant(1));
  EXPECT_EQ(client().serverName, "CAFESERVER");
  EXPECT_EQ(status(), "Searching Tavimo Server...");
  // The window is activated again when the dialog has closed over it: a second hello.
  ASSERT_EQ(hello.received.size(), 2u);
  EXPECT_EQ(hello.received[0].data, "1|TAVIMO-PC07");
  EXPECT_EQ(hello.received[1].data, "1|TAVIMO-PC07");
  EXPECT_EQ(hello.received[0].fromPort, 45665);
  ASSERT_EQ(settings.received.size(), 2u);
  EXPECT_EQ(settings.received[0].data, "");
  EXPECT_EQ(settings.received[0].fromPort, 45680);
}

TEST_F(Startup, TheNameDialogRefusesABlankEntryAndTakesTheConnectionWindowOffTheTop) {
  c.h.backend.onModal("frmSvrnm", [this](rt::Form& f) {
    auto& dialog = static_cast<frmSvrnm&>(f);
    dialog.txtpas.typeText("   ");
    dialog.cmdsubt.userClick();
    EXPECT_TRUE(c.h.app.isLoaded<frmSvrnm>()) << "a blank name is refused";
    EXPECT_EQ(dialog.caption(), "Tavimo Server Name");
    dialog.txtpas.setText("cafeserver");
    dialog.cmdsubt.userClick();
  });
  start();
  auto& connection = c.h.app.form<frmconnection>();
  std::string handle = std::to_string(connection.hWnd());
  ASSERT_FALSE(c.desktop.calls.empty());
  EXPECT_EQ(c.desktop.calls.front(), "SetWindowPos " + handle + " HWND_NOTOPMOST");
  c.h.backend.advance(0);
  c.desktop.calls.clear();
  c.h.backend.advance(1000);
  EXPECT_FALSE(connection.Timer1.enabled());
  for (const std::string& call : c.desktop.calls) EXPECT_NE(call, "SetWindowPos " + handle + " HWND_TOPMOST");
}

TEST_F(Startup, StoredNameIsUsedWithoutAsking) {
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer", "CAFESERVER", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec", 1, REG_DWORD);
  start();
  c.h.backend.advance(10);
  EXPECT_EQ(hello.texts(), std::vector<std::string>{"1|TAVIMO-PC07"});
  EXPECT_FALSE(c.h.app.isLoaded<frmSvrnm>());
  // Kept on top every 50 ms while it waits.
  c.desktop.calls.clear();
  c.h.backend.advance(200);
  EXPECT_EQ(c.desktop.calls.size(), 4u);
}

TEST_F(Startup, FlagWithoutNameGivesAnEmptyServerNameAndNoHello) {
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec", 1, REG_DWORD);
  start();
  c.h.backend.advance(10);
  EXPECT_EQ(client().serverName, "");
  EXPECT_TRUE(c.h.network.sent().empty());
  EXPECT_TRUE(c.h.backend.messageBoxes().empty()) << "a failed hello is silent";
}

TEST_F(Startup, ServerOnThisComputerRecordsTheProgramPath) {
  typeServerName("tavimo-pc07");
  start();
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, "Software\\Microsoft", "Server"), "C:\\Program Files\\Tavimo\\TavimoClient.exe");
}

TEST_F(Startup, ServerElsewhereLeavesTheProgramPathAlone) {
  typeServerName("CAFESERVER");
  start();
  EXPECT_TRUE(readValue(HKEY_LOCAL_MACHINE, "Software\\Microsoft", "Server").isEmpty());
}

TEST_F(Startup, APortInUseEndsTheProgramAfterTheSystemsText) {
  auto other = c.h.thisPc.createSocket();
  other->bind(45667);
  typeServerName("CAFESERVER");
  EXPECT_THROW(start(), rt::ProgramEnded);
  ASSERT_EQ(c.h.backend.messageBoxes().size(), 1u);
  EXPECT_EQ(c.h.backend.messageBoxes()[0].prompt, "Address in use");
  EXPECT_EQ(c.h.backend.messageBoxes()[0].style, rt::mb::OkOnly);
}

TEST_F(Startup, EveryRenewedActivationSendsTheHelloAgain) {
  typeServerName("CAFESERVER");
  start();
  auto& connection = c.h.app.form<frmconnection>();
  c.h.app.form<frmstart>().show();
  connection.show();
  c.h.backend.advance(10);
  EXPECT_EQ(hello.texts(), (std::vector<std::string>{"1|TAVIMO-PC07", "1|TAVIMO-PC07"}));
}

TEST_F(Startup, UnloadAllUnloadsFromTheLastToTheFirst) {
  typeServerName("CAFESERVER");
  start();
  c.h.app.form<listener>();
  c.h.backend.clearJournal();
  UnloadAll();
  EXPECT_TRUE(c.h.app.forms().empty());
  EXPECT_EQ(c.h.backend.journal(), (std::vector<std::string>{"destroy listener", "destroy frmSocks", "destroy frmconnection"}));
}

}  // namespace
}  // namespace tavimo
