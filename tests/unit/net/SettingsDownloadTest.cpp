#include <gtest/gtest.h>

#include "ListenerClient.h"
#include "net/SettingsTransfer.h"
#include "support/IniText.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::iniText;
using testing::sz;

const std::string systemFile = iniText({"[startmenu]", "runmenu=1"});
const std::string browserFile = iniText({"[Internetoption]", "iogeneral=1"});
const std::string websiteFile = iniText({"[Apply]", "Type=Blocked", "[Blocked]", "URLS=casino,poker"});

// The client of a café that takes its security settings from the server, and the server's
// side of the download, piece by piece as its settings port sends them.
class SettingsDownload : public ::testing::Test {
 protected:
  SettingsDownload() {
    resetSettingsTransfer();
    stored::write(stored::SecSetting, 1);
    t.pc.desktop.processes = {{5, "C:\\WINDOWS\\explorer.exe"}};
  }
  ~SettingsDownload() override { resetSettingsTransfer(); }
  void fromServer(const std::string& datagram) {
    t.settings.sendTo("10.0.0.7", 45680, datagram);
    t.pc.h.backend.advance(10);
  }
  // One file as the server sends it: the start, the content in pieces of four, the end.
  void transfer(const std::string& name, const std::string& content) {
    fromServer("1|" + name);
    for (std::size_t at = 0; at < content.size(); at += 4) fromServer("4|" + content.substr(at, 4));
    fromServer("3|" + name);
  }
  std::string file(const char* name) { return t.pc.files.readAll(stored::systemFile(name)).value_or("<none>"); }
  bool applied() { return t.pc.stored(stored::policyKey::Explorer, "NoRun") == dword(1); }
  std::vector<std::string> requests() {
    std::vector<std::string> asked;
    for (const std::string& text : t.settings.texts())
      if (text.rfind("0|", 0) == 0) asked.push_back(text);
    return asked;
  }

  testing::ListenerClient t;
};

TEST_F(SettingsDownload, TheThreeFilesArriveInTurnAndTakeEffect) {
  t.send("8");
  EXPECT_EQ(requests(), std::vector<std::string>{"0|TAVIMO-PC07|sys"});
  transfer("sys", systemFile);
  EXPECT_EQ(requests().back(), "0|TAVIMO-PC07|exp");
  EXPECT_FALSE(applied()) << "nothing applies before the last file is asked for";
  transfer("exp", browserFile);
  EXPECT_EQ(requests().back(), "0|TAVIMO-PC07|url");
  EXPECT_TRUE(applied()) << "asking for the last file applies what is there";
  EXPECT_TRUE(t.pc.desktop.processes.empty()) << "the shell restarts with the policies";
  transfer("url", websiteFile);

  EXPECT_EQ(file(stored::systemSecurityFile), systemFile);
  EXPECT_EQ(file(stored::browserSecurityFile), browserFile);
  EXPECT_EQ(file(stored::websiteFile), websiteFile);
  EXPECT_EQ(t.pc.stored(stored::policyKey::ControlPanel, "GeneralTab"), dword(1));
  EXPECT_EQ(t.pc.stored(stored::blockedKey, "poker"), sz("http://www.poker.com"));
  EXPECT_EQ(t.pc.stored(stored::Blocking), dword(1));
  EXPECT_EQ(requests().size(), 3u);
  std::size_t starts = 0, pieces = 0;
  for (const std::string& text : t.settings.texts()) {
    starts += text == "2|TAVIMO-PC07|na";
    pieces += text == "3|TAVIMO-PC07|na";
  }
  EXPECT_EQ(starts, 3u);
  EXPECT_EQ(pieces, (systemFile.size() + 3) / 4 + (browserFile.size() + 3) / 4 + (websiteFile.size() + 3) / 4);
}

TEST_F(SettingsDownload, EveryLaterEndAppliesAgain) {
  t.send("8");
  transfer("sys", systemFile);
  transfer("exp", browserFile);
  transfer("url", websiteFile);
  t.pc.registry.deleteTree(stored::policyKey::Explorer.hive, stored::policyKey::Explorer.path);
  createKey(stored::policyKey::Explorer.hive, stored::policyKey::Explorer.path);
  fromServer("3|");
  EXPECT_TRUE(applied());
  EXPECT_EQ(requests().size(), 3u) << "no more requests";
}

TEST_F(SettingsDownload, FileWithoutARequestIsWrittenButNotApplied) {
  transfer("sys", systemFile);
  EXPECT_EQ(file(stored::systemSecurityFile), systemFile);
  EXPECT_FALSE(applied());
  EXPECT_TRUE(requests().empty());
}

TEST_F(SettingsDownload, UnknownNameWritesWhereTheLastStartPointed) {
  fromServer("1|pic");
  fromServer("4|lost");
  fromServer("3|pic");
  EXPECT_EQ(file(stored::systemSecurityFile), "<none>") << "no start before: nowhere to write";
  EXPECT_EQ(t.settings.texts(), (std::vector<std::string>{"2|TAVIMO-PC07|na", "3|TAVIMO-PC07|na"})) << "still answered";
  transfer("exp", browserFile);
  transfer("what", "[x]");
  EXPECT_EQ(file(stored::browserSecurityFile), "[x]");
}

TEST_F(SettingsDownload, StartReplacesTheOldFileWholly) {
  ASSERT_TRUE(t.pc.files.writeAll(stored::systemFile(stored::websiteFile), "[Apply]\r\nType=Allowed\r\n"));
  fromServer("1|url");
  fromServer("3|url");
  EXPECT_EQ(file(stored::websiteFile), "");
}

TEST_F(SettingsDownload, DownloadWaitsForTheCafesChoiceAndAnEmptyComputer) {
  stored::write(stored::SecSetting, 0);
  t.send("8");
  EXPECT_TRUE(requests().empty());
  stored::remove(stored::SecSetting);
  t.send("8");
  EXPECT_TRUE(requests().empty());
  EXPECT_EQ(client().settingsStep, 0);
}

}  // namespace
}  // namespace tavimo
