#include <gtest/gtest.h>

#include <filesystem>

#include "ServerHarness.h"
#include "core/FileText.h"

namespace tavimo::devserver {
namespace {

const std::filesystem::path sampleFolder = DEVSERVER_SAMPLE_DIR;
const Endpoint pc01Settings{"192.168.1.21", 45680};

// The settings socket's side of a download as the client runs it after the remote command
// "8": it asks for a file, answers its start and every piece, and at each end asks for the
// next. Gives every datagram the server sent, in order.
Texts download(ServerHarness& harness, const std::vector<std::string>& names) {
  Texts sent;
  for (const std::string& name : names) {
    Texts replies = harness.send(port::settings, "0|PC01|" + name, pc01Settings);
    sent.insert(sent.end(), replies.begin(), replies.end());
    for (char code = '2'; replies.size() == 1 && replies[0] != "3|" + name && sent.size() < 1000; code = '3') {
      replies = harness.send(port::settings, std::string(1, code) + "|PC01|na", pc01Settings);
      sent.insert(sent.end(), replies.begin(), replies.end());
    }
  }
  return sent;
}

TEST(DevServerSettings, TheThreeFilesGoOutOneAfterTheOtherInExactDatagrams) {
  ServerHarness harness("", 5);
  harness.folder.write("clt_mtssecurity.ini", "[startmenu]\r\nrunmenu=1\r\n");
  harness.folder.write("clt_msiexplorer.ini", "[General]\r\n");
  harness.folder.write("clt_msurls.ini", "[Apply]\r\nType=Blocked\r\n[Blocked]\r\nURLS=a,b|c\r\n");
  EXPECT_EQ(download(harness, {"sys", "exp", "url"}),
            (Texts{"1|sys", "4|[star", "4|tmenu", "4|]\r\nru", "4|nmenu", "4|=1\r\n", "3|sys",
                   "1|exp", "4|[Gene", "4|ral]\r", "4|\n", "3|exp",
                   "1|url", "4|[Appl", "4|y]\r\nT", "4|ype=B", "4|locke", "4|d\r\n[B", "4|locke",
                   "4|d]\r\nU", "4|RLS=a", "4|,b|c\r", "4|\n", "3|url"}));
}

TEST(DevServerSettings, TheSampleConfigurationServesItsThreeFiles) {
  DevServer server(loadConfig(sampleFolder / "devserver.ini"),
                   ServerClock(std::string("03/15/2024"), std::string("1:05:09 PM")));
  const struct {
    const char* name;
    const char* file;
    const char* entry;  // one line the file must carry for the demo
  } files[] = {
      {"sys", "clt_mtssecurity.ini", "runmenu=1\r\n"},
      {"exp", "clt_msiexplorer.ini", "ddownloading=1\r\n"},
      {"url", "clt_msurls.ini", "Type=Blocked\r\n"},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    const auto send = [&](const std::string& text) {
      const Outcome outcome = server.receive(Incoming{port::settings, pc01Settings, text});
      return outcome.sends.size() == 1 ? outcome.sends[0].text : "(" + std::to_string(outcome.sends.size()) + " datagrams)";
    };
    EXPECT_EQ(send("0|PC01|" + std::string(f.name)), "1|" + std::string(f.name));
    std::string received;
    for (std::string piece = send("2|PC01|na"); piece.starts_with("4|"); piece = send("3|PC01|na")) {
      EXPECT_LE(piece.size(), 2u + 512u);
      received += piece.substr(2);
    }
    EXPECT_EQ(received, readWholeFile(sampleFolder / f.file).value_or("(unreadable)"));
    EXPECT_NE(received.find(f.entry), std::string::npos);
  }
}

TEST(DevServerSettings, RequestsForOtherNamesAreNotAnswered) {
  ServerHarness harness;
  harness.folder.write("clt_mtssecurity.ini", "[startmenu]\r\n");
  const struct {
    const char* datagram;
    const char* note;
  } cases[] = {
      {"0|PC01|SYS", "settings request for an unknown file \"SYS\" (known: sys, exp, url); ignored"},
      {"0|PC01|rates", "settings request for an unknown file \"rates\" (known: sys, exp, url); ignored"},
      {"0|PC01|", "settings request for an unknown file \"\" (known: sys, exp, url); ignored"},
      {"0|PC01|sys|x", "settings request for an unknown file \"sys|x\" (known: sys, exp, url); ignored"},
      {"0|PC01", "unknown or malformed datagram (code 0) on the settings port; ignored"},
      {"2", "unknown or malformed datagram (code 2) on the settings port; ignored"},
      {"4|PC01|na", "unknown or malformed datagram (code 4) on the settings port; ignored"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.datagram);
    EXPECT_EQ(harness.send(port::settings, c.datagram, pc01Settings), Texts{});
    EXPECT_EQ(harness.last.notes, Texts{c.note});
  }
}

// The files go to the socket that asked, whether or not its computer has said hello.
TEST(DevServerSettings, AClientNeverSeenIsServedAtItsSocket) {
  ServerHarness harness;
  harness.folder.write("clt_msurls.ini", "[Apply]\r\n");
  const Endpoint stranger{"10.9.8.7", 45680};
  ASSERT_EQ(harness.server.clients().find("PC99"), nullptr);
  EXPECT_EQ(harness.send(port::settings, "0|PC99|url", stranger), Texts{"1|url"});
  EXPECT_EQ(harness.last.notes,
            Texts{"settings transfer of url to 10.9.8.7:45680: 9 bytes in 1 piece(s) of at most 400 bytes"});
  EXPECT_EQ(harness.send(port::settings, "2|PC99|na", stranger), Texts{"4|[Apply]\r\n"});
  EXPECT_EQ(harness.send(port::settings, "3|PC01|na", pc01Settings), Texts{});
  EXPECT_EQ(harness.send(port::settings, "3|PC99|na", stranger), Texts{"3|url"});
}

TEST(DevServerSettings, ATariffAndASettingsFileGoToOneComputerSideBySide) {
  ServerHarness harness("tariff", 4);
  harness.folder.write("clt_mtssecurity.ini", "settings");
  const Endpoint guestSocket{"192.168.1.21", 45667};
  EXPECT_EQ(harness.send(port::guest, "0|PC01|rates", guestSocket), Texts{"1|charges24.ini"});
  EXPECT_EQ(harness.send(port::settings, "0|PC01|sys", pc01Settings), Texts{"1|sys"});
  EXPECT_EQ(harness.send(port::guest, "2|PC01", guestSocket), Texts{"4|tari"});
  EXPECT_EQ(harness.send(port::settings, "2|PC01|na", pc01Settings), Texts{"4|sett"});
  EXPECT_EQ(harness.send(port::settings, "3|PC01|na", pc01Settings), Texts{"4|ings"});
  EXPECT_EQ(harness.send(port::guest, "3|PC01", guestSocket), Texts{"4|ff"});
  EXPECT_EQ(harness.send(port::settings, "3|PC01|na", pc01Settings), Texts{"3|sys"});
  EXPECT_EQ(harness.send(port::guest, "3|PC01", guestSocket), Texts{"3|charges24.ini"});
}

TEST(DevServerSettings, TheEmptyRequestOfEveryHelloIsOnlyRecorded) {
  ServerHarness harness;
  harness.folder.write("clt_mtssecurity.ini", "[startmenu]\r\n");
  EXPECT_EQ(harness.send(port::settings, "", pc01Settings), Texts{});
  EXPECT_EQ(harness.last.notes, Texts{"settings request (sent with every hello and probe)"});
}

}  // namespace
}  // namespace tavimo::devserver
