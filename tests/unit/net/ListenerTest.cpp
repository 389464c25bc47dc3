#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "ListenerClient.h"
#include "lockdown/SystemPolicies.h"
#include "lockdown/serverset.h"
#include "runtime/MsgBox.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::ListenerClient;
using testing::sz;

// Who is logged in when the command comes.
const std::vector<std::string> loginKinds = {"", "admn", "mgr", "gust", "memb", "tket"};
const std::set<std::string> nobody = {""};
const std::set<std::string> everybody(loginKinds.begin(), loginKinds.end());
const std::set<std::string> notInACustomerSession = {"", "admn", "mgr"};

bool called(ListenerClient& t, const std::string& call) {
  return std::find(t.pc.desktop.calls.begin(), t.pc.desktop.calls.end(), call) != t.pc.desktop.calls.end();
}
bool probed(ListenerClient& t) { return t.hello.texts() == std::vector<std::string>{"0|TAVIMO-PC07"}; }
bool wentOffLine(ListenerClient& t) {
  return t.reports.texts() == std::vector<std::string>{"0|TAVIMO-PC07"} && !t.loaded("frmstart") && !t.loaded("listener");
}

struct Row {
  const char* command;
  std::set<std::string> obeyedFor;
  std::function<bool(ListenerClient&)> done;
  std::function<void(ListenerClient&)> before = [](ListenerClient&) {};
};

// Each command against each login state: it acts exactly when its condition holds.
TEST(Listener, EachCommandActsOnlyInItsLoginStates) {
  const Row rows[] = {
      {"1Closing at ten", everybody, [](ListenerClient& t) { return client().pendingMessage == "Closing at ten" && t.loaded("message"); }},
      {"h9:55:12 AM|0:20:30|12.5", nobody,
       [](ListenerClient& t) {
         return t.pc.stored(stored::UserId) == sz("guest") && t.pc.stored(stored::LoginTime) == sz("9:55:12 AM") &&
                t.pc.stored(stored::Elapsed) == sz("0:20:30") && t.pc.stored(stored::Amount) == sz("12.5") &&
                t.pc.stored(stored::Continue) == dword(1) && t.pc.stored(stored::GuestName) == sz("") && probed(t);
       }},
      {"2", everybody, [](ListenerClient& t) { return t.pc.desktop.inputBlocked; }},
      {"3", everybody, [](ListenerClient& t) { return !t.pc.desktop.inputBlocked; },
       [](ListenerClient& t) { t.pc.desktop.blockInput(true); }},
      {"4", nobody, [](ListenerClient& t) { return probed(t) && rt::app().form<frmstart>().txtlog.text() == "guest"; }},
      {"6|Flat", everybody, [](ListenerClient& t) { return t.pc.stored(stored::RateType) == sz("Flat"); }},
      {"7", nobody, [](ListenerClient& t) { return t.pc.stored(stored::policyKey::Explorer, "NoRun") == testing::missing; },
       [](ListenerClient& t) {
         ASSERT_TRUE(t.pc.files.writeAll(systemSecurityFilePath(), "[startmenu]\r\nrunmenu=1\r\n"));
         serverset();
         ASSERT_EQ(t.pc.stored(stored::policyKey::Explorer, "NoRun"), dword(1));
       }},
      {"8", nobody,
       [](ListenerClient& t) { return t.settings.texts() == std::vector<std::string>{"0|TAVIMO-PC07|sys"} && client().settingsStep == 1; },
       [](ListenerClient&) { stored::write(stored::SecSetting, 1); }},
      {"9", notInACustomerSession, [](ListenerClient& t) { return wentOffLine(t) && called(t, "ExitWindowsEx 5"); }},
      {"0", notInACustomerSession, [](ListenerClient& t) { return wentOffLine(t) && called(t, "ExitWindowsEx 6"); }},
      {"s", everybody, [](ListenerClient& t) { return t.pc.stored(stored::SecuredLogin) == dword(1); }},
      {"n", everybody, [](ListenerClient& t) { return t.pc.stored(stored::SecuredLogin) == dword(0); }},
      {"l", everybody, [](ListenerClient& t) { return t.pc.stored(stored::lgnName) == dword(1); }},
      {"g", everybody, [](ListenerClient& t) { return t.pc.stored(stored::lgnName) == dword(0); }},
      {"c", nobody, [](ListenerClient& t) { return t.pc.stored(stored::Continue) == dword(1) && probed(t); },
       [](ListenerClient&) { stored::write(stored::UserId, "guest"); }},
      {"x", notInACustomerSession, [](ListenerClient& t) { return wentOffLine(t) && !called(t, "ExitWindowsEx 5"); }},
  };
  for (const Row& row : rows) {
    for (const std::string& kind : loginKinds) {
      SCOPED_TRACE(std::string(row.command) + " with loginKind \"" + kind + "\"");
      ListenerClient t;
      row.before(t);
      t.settings.received.clear();
      client().loginKind = kind;
      t.send(row.command);
      EXPECT_EQ(row.done(t), row.obeyedFor.count(kind) == 1);
    }
  }
}

TEST(Listener, UnknownEmptyAndWrongCaseCommandsDoNothing) {
  for (const char* command : {"", "H9:0:0 AM|0:1:0|1", "X", "a", "?", "P"}) {
    SCOPED_TRACE(command);
    ListenerClient t;
    t.send(command);
    EXPECT_TRUE(t.hello.received.empty());
    EXPECT_TRUE(t.reports.received.empty());
    EXPECT_TRUE(t.loaded("frmstart"));
    EXPECT_EQ(t.pc.stored(stored::UserId), testing::missing);
  }
}

TEST(Listener, ResumeTakesItsFieldsAsTheyCome) {
  struct Case {
    const char* command;
    const char* loginTime;
    const char* elapsed;
    const char* amount;
  };
  const Case cases[] = {
      {"h9:0:0 AM|0:1:0|1.5|extra", "9:0:0 AM", "0:1:0", "1.5|extra"},
      {"h12.5", "", "", "12.5"},
      {"h9:0:0 AM|12.5", "9:0:0 AM", "", "12.5"},
      {"h", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    ListenerClient t;
    t.send(c.command);
    EXPECT_EQ(t.pc.stored(stored::LoginTime), sz(c.loginTime));
    EXPECT_EQ(t.pc.stored(stored::Elapsed), sz(c.elapsed));
    EXPECT_EQ(t.pc.stored(stored::Amount), sz(c.amount));
    EXPECT_TRUE(probed(t)) << "the login goes ahead";
  }
}

TEST(Listener, RateTypeIsTakenFromTheThirdCharacter) {
  for (auto [command, rateType] : {std::pair{"6|Slot II", "Slot II"}, {"6x", ""}, {"6", ""}, {"6||", "|"}}) {
    SCOPED_TRACE(command);
    ListenerClient t;
    t.send(command);
    EXPECT_EQ(t.pc.stored(stored::RateType), sz(rateType));
  }
}

TEST(Listener, MessageWithoutTextOpensAnEmptyNotice) {
  ListenerClient t;
  client().pendingMessage = "old";
  t.send("1");
  EXPECT_EQ(client().pendingMessage, "");
  EXPECT_TRUE(t.loaded("message"));
}

TEST(Listener, BlockingInputNeedsWindowsNinetyEight) {
  for (auto [version, blocks] : {std::pair{OsVersion{4, 0, 950, 1}, false}, {OsVersion{4, 10, 1998, 1}, true}}) {
    ListenerClient t;
    t.pc.systemInfo.setVersion(version);
    t.send("2");
    EXPECT_EQ(t.pc.desktop.inputBlocked, blocks);
  }
}

TEST(Listener, ShutdownAndRestartOnTheOldFamilyAreNotForced) {
  for (auto [command, call] : {std::pair{"9", "ExitWindowsEx 1"}, {"0", "ExitWindowsEx 2"}}) {
    ListenerClient t;
    t.pc.systemInfo.setVersion(os::WindowsMe);
    t.send(command);
    EXPECT_TRUE(called(t, call)) << command;
  }
}

TEST(Listener, GoingOffLineDeletesTheSessionBackup) {
  ListenerClient t;
  ASSERT_TRUE(t.pc.files.writeAll(client().backupFile, "backup"));
  t.send("x");
  EXPECT_FALSE(t.pc.files.exists(client().backupFile));
  EXPECT_TRUE(t.pc.h.app.forms().empty()) << "every window is closed: the program ends";
  EXPECT_TRUE(t.pc.desktop.window(t.pc.taskbar)->visible);
}

// The shell restarts with the new policies; under Wine the desktop is explorer.exe itself and
// stays, or every window of the session would go.
TEST(Listener, AppsettingRestartsTheShell) {
  struct Case {
    bool wine;
    std::vector<ProcessId> left;
  };
  for (const Case& c : {Case{false, {3}}, Case{true, {1, 3}}}) {
    SCOPED_TRACE(c.wine ? "Wine" : "Windows");
    ListenerClient t;
    t.pc.systemInfo.setWine(c.wine);
    t.pc.systemInfo.setSystemDirectory("C:\\windows\\system32");
    t.pc.desktop.processes = {{1, "C:\\windows\\system32\\explorer.exe"}, {2, "C:\\WINDOWS\\Explorer.EXE"},
                              {3, "C:\\Games\\game.exe"}};
    client().loginKind = "";
    t.send("7");
    std::vector<ProcessId> left;
    for (const auto& p : t.pc.desktop.processes) left.push_back(p.id);
    EXPECT_EQ(left, c.left);
    EXPECT_TRUE(rt::app().form<frmstart>().visible());
  }
}

TEST(Listener, AppsettingOnTheOldFamilyRestartsTheComputer) {
  ListenerClient t;
  t.pc.systemInfo.setVersion(os::Windows98);
  rt::app().form<listener>().appsetting();
  EXPECT_TRUE(called(t, "ExitWindowsEx 2")) << "a plain restart, not forced";
  EXPECT_TRUE(t.pc.h.app.forms().empty());
}

TEST(Listener, PortInUseIsToldAndTheClientGoesOn) {
  struct Case {
    bool taken;
    const char* prompt;
    int style;
  };
  testing::HeadlessClient pc;
  auto taken = pc.h.thisPc.createSocket();
  ASSERT_EQ(taken->bind(45664), 0);
  rt::app().form<listener>();
  ASSERT_EQ(pc.h.backend.messageBoxes().size(), 1u);
  const rt::MessageBoxShown& box = pc.h.backend.messageBoxes()[0];
  EXPECT_NE(box.prompt.find("\r\nRemote oprations may not work on this client system"), std::string::npos);
  EXPECT_EQ(box.style, rt::mb::OkOnly | rt::mb::Critical);
  EXPECT_TRUE(rt::app().isLoaded<listener>());
}

}  // namespace
}  // namespace tavimo
