#include <gtest/gtest.h>

#include <algorithm>

#include "core/StoredState.h"
#include "core/frmconnection.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "platform/Files.h"
#include "session/Functions.h"
#include "session/SavKey.h"
#include "support/HeadlessClient.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::ServerPort;
constexpr const char* timers = "Software\\Tavimo\\Timers";

class SessionRecordTest : public ::testing::Test {
 protected:
  SessionRecordTest() {
    client().pcName = "TAVIMO-PC07";
    client().localAddress = "10.0.0.7";
    client().serverName = "CAFESERVER";
  }
  void put(const char* name, const Variant& value, std::uint32_t type = REG_SZ) { writeValue(HKEY_LOCAL_MACHINE, timers, name, value, type); }
  testing::HeadlessClient c;
};

TEST_F(SessionRecordTest, PreviousSessionReportCarriesTheRecordWithItsDefaults) {
  struct Row {
    const char* userId;  // nullptr: missing
    const char* expectedUser;
  };
  const Row rows[] = {
      {"12345", "12345|ticket"}, {"anna", "anna|member"}, {"guest", "guest|Rita"}, {" 7up", " 7up|ticket"}, {nullptr, "|member"},
  };
  put("GuestName", "Rita");
  put("Status", 1, REG_DWORD);
  put("Date", "12/09/2026");
  put("Elapsed", "0:12:7");
  // A text that is only its terminator.
  RegKey key = 0;
  c.registry.openKey(HKEY_LOCAL_MACHINE, timers, reg::FullAccess, &key);
  c.registry.setValue(key, "Amount", reg::Sz, "", 1);
  c.registry.closeKey(key);
  put("LogoutTime", "10:43:12 AM");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expectedUser);
    if (row.userId)
      put("UserId", row.userId);
    else
      deleteValue(HKEY_LOCAL_MACHINE, timers, "UserId");
    loadSessionRecord();
    EXPECT_EQ(sessionReport('1'), std::string("1|TAVIMO-PC07|1|12/09/2026|") + row.expectedUser +
                                      "|0:12:7| |0:0:0|10:43:12 AM|Slot I|10.0.0.7");
  }
}

TEST_F(SessionRecordTest, RunningSessionReportCarriesTheLoginsLabel) {
  put("UserId", "guest");
  put("Status", 1, REG_DWORD);
  put("Elapsed", "0:0:0");
  put("Amount", "0");
  put("RateType", "1");
  client().userLabel = "Rita";
  loadSessionRecord();
  EXPECT_EQ(sessionReport('2'), "2|TAVIMO-PC07|1||guest|Rita|0:0:0|0|0:0:0|0:0:0|1|10.0.0.7");
}

TEST_F(SessionRecordTest, LoginScreenRestoresTheBackupReportsItAndClearsTheFlags) {
  ServerPort reports{c.h.server, 45672};
  put("UserId", "anna");
  put("Status", 1, REG_DWORD);
  put("Continue", 1, REG_DWORD);
  client().backupFile = c.systemFile("ScTest.reg");
  saveKey(timers, client().backupFile, HKEY_LOCAL_MACHINE);
  put("UserId", "somebody else");
  deleteValue(HKEY_LOCAL_MACHINE, timers, "Continue");

  c.h.backend.installObject("Flexolo.omxFlexolo");
  c.h.app.form<frmstart>();
  c.h.backend.advance(10);

  const auto& journal = c.h.backend.journal();
  EXPECT_NE(std::find(journal.begin(), journal.end(), "call Flexolo.omxFlexolo.SaveControlPositions"), journal.end())
      << "the load ends by recording the layout";
  EXPECT_FALSE(c.files.exists(client().backupFile)) << "the backup is used once";
  ASSERT_EQ(reports.received.size(), 1u);
  EXPECT_EQ(reports.received[0].data, "1|TAVIMO-PC07|1||anna|member|||0:0:0|0:0:0|Slot I|10.0.0.7");
  EXPECT_EQ(reports.received[0].fromPort, 45666);
  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, timers, "Status"), Variant(0));
  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, timers, "Continue"), Variant(0));
}

TEST_F(SessionRecordTest, BackupBringsBackEveryValueOfTheTimersKey) {
  std::string backup = c.systemFile("ScTest.reg");
  put("UserId", "guest");
  put("Elapsed", "1:5:9");
  put("Status", 1, REG_DWORD);
  saveKey(timers, backup, HKEY_LOCAL_MACHINE);
  put("Elapsed", "1:6:0");
  deleteValue(HKEY_LOCAL_MACHINE, timers, "UserId");
  put("Amount", "12.5");

  restoreKey(timers, backup, HKEY_LOCAL_MACHINE);
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, timers, "UserId"), "guest");
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, timers, "Elapsed"), "1:5:9");
  EXPECT_EQ(readValue(HKEY_LOCAL_MACHINE, timers, "Status"), Variant(1));
  EXPECT_TRUE(readValue(HKEY_LOCAL_MACHINE, timers, "Amount").isEmpty()) << "a value added after the save goes";
  auto text = c.files.readAll(backup);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->substr(0, 8), "REGEDIT4");
}

TEST_F(SessionRecordTest, ATornOrMissingBackupLeavesTheKeyAlone) {
  std::string backup = c.systemFile("ScTest.reg");
  put("Elapsed", "0:1:0");
  c.files.writeAll(backup, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers]\r\n\"Elapsed\"=\"0:");
  restoreKey(timers, backup, HKEY_LOCAL_MACHINE);
  restoreKey(timers, c.systemFile("missing.reg"), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, timers, "Elapsed"), "0:1:0");
}

TEST_F(SessionRecordTest, WithoutThePrivilegeNothingIsSavedAndTheOldBackupStays) {
  std::string backup = c.systemFile("ScTest.reg");
  put("Elapsed", "0:1:0");
  saveKey(timers, backup, HKEY_LOCAL_MACHINE);
  auto before = c.files.readAll(backup);
  c.desktop.refuseToken = true;
  put("Elapsed", "0:2:0");
  saveKey(timers, backup, HKEY_LOCAL_MACHINE);
  EXPECT_EQ(c.files.readAll(backup), before);
  EXPECT_FALSE(enablePrivilege("SeBackupPrivilege"));
}

TEST_F(SessionRecordTest, PreviousUserIsShownOnTheLoginScreen) {
  put("UserId", "anna");
  put("Date", "12/09/2026");
  put("Elapsed", "1:5:9");
  put("Amount", "37");
  client().currencyName = "Rs";
  auto& screen = c.h.app.form<frmstart>();
  showPreviousUser();
  EXPECT_EQ(screen.lblUser.caption(), "anna");
  EXPECT_EQ(screen.lblDate.caption(), "12/09/2026");
  EXPECT_EQ(screen.lblUsage.caption(), "1:5:9 Hrs.");
  EXPECT_EQ(screen.lblCharges.caption(), "37 Rs");
  EXPECT_EQ(screen.info[0].caption(), "Previous user details:");
}

TEST_F(SessionRecordTest, TaskbarHidesAndComesBackWithTheScreenSaverFlag) {
  setTaskbar(0);
  EXPECT_FALSE(c.desktop.window(c.taskbar)->visible);
  EXPECT_TRUE(c.desktop.screenSaverRunning);
  setTaskbar(1);
  EXPECT_TRUE(c.desktop.window(c.taskbar)->visible);
  EXPECT_FALSE(c.desktop.screenSaverRunning);
  // Only the old family hides the process from the task list.
  for (const std::string& call : c.desktop.calls) EXPECT_EQ(call.find("RegisterServiceProcess"), std::string::npos);
  c.systemInfo.setVersion(os::WindowsMe);
  setTaskbar(0);
  EXPECT_EQ(c.desktop.calls.back(), "RegisterServiceProcess 1");
}

TEST_F(SessionRecordTest, TrayClockIsFoundInsideTheTaskbar) {
  WindowHandle tray = c.desktop.addWindow("TrayNotifyWnd", "", c.taskbar);
  WindowHandle clock = c.desktop.addWindow("TrayClockWClass", "", tray);
  setTrayClock(0);
  EXPECT_FALSE(c.desktop.window(clock)->visible);
  setTrayClock(1);
  EXPECT_TRUE(c.desktop.window(clock)->visible);
}

}  // namespace
}  // namespace tavimo
