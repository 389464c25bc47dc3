#include <gtest/gtest.h>

#include "core/Console.h"
#include "core/Ports.h"

namespace tavimo::devserver {
namespace {

ClientList twoClients() {
  ClientList clients;
  clients.seen("PC01", "192.168.1.21");
  clients.seen("PC02", "192.168.1.22");
  clients.switchedOff("PC02");
  return clients;
}

TEST(DevServerConsole, SendGoesFromTheCommandPortToTheClientListener) {
  const struct {
    const char* line;
    const char* address;
    const char* text;
    const char* note;
  } cases[] = {
      {"send PC01 5", "192.168.1.21", "5", "remote command \"5\" to PC01 (192.168.1.21)"},
      {"send pc01 1Your time is almost up", "192.168.1.21", "1Your time is almost up",
       "remote command \"1Your time is almost up\" to PC01 (192.168.1.21)"},
      {"SEND PC02 h1:05:09 PM|0:4:59|2.5\r", "192.168.1.22", "h1:05:09 PM|0:4:59|2.5",
       "remote command \"h1:05:09 PM|0:4:59|2.5\" to PC02 (192.168.1.22)"},
      {"send 10.0.0.9 6|Flat", "10.0.0.9", "6|Flat", "remote command \"6|Flat\" to 10.0.0.9"},
      {"send cafe-pc-3 x", "cafe-pc-3", "x", "remote command \"x\" to cafe-pc-3"},
  };
  const ClientList clients = twoClients();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Outcome outcome = runConsoleLine(c.line, clients);
    ASSERT_EQ(outcome.sends.size(), 1u);
    EXPECT_EQ(outcome.sends[0].fromPort, port::commands);
    EXPECT_EQ(outcome.sends[0].to, (Endpoint{c.address, port::clientListener}));
    EXPECT_EQ(outcome.sends[0].text, c.text);
    EXPECT_EQ(outcome.notes, std::vector<std::string>{c.note});
    EXPECT_FALSE(outcome.quit);
  }
}

TEST(DevServerConsole, OtherLines) {
  const struct {
    const char* line;
    std::vector<std::string> notes;
    bool quit;
  } cases[] = {
      {"", {}, false},
      {"send", {"usage: send PCNAME|HOST TEXT (type help for the remote commands)"}, false},
      {"send PC01", {"usage: send PCNAME|HOST TEXT (type help for the remote commands)"}, false},
      {"clients", {"PC01 at 192.168.1.21", "PC02 at 192.168.1.22 (switched off)"}, false},
      {"logout PC01", {"unknown command \"logout\" (type help)"}, false},
      {"quit", {"stopping"}, true},
      {"  exit", {"stopping"}, true},
  };
  const ClientList clients = twoClients();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Outcome outcome = runConsoleLine(c.line, clients);
    EXPECT_TRUE(outcome.sends.empty());
    EXPECT_EQ(outcome.notes, c.notes);
    EXPECT_EQ(outcome.quit, c.quit);
  }
  EXPECT_EQ(runConsoleLine("clients", ClientList{}).notes, std::vector<std::string>{"no client seen yet"});
  EXPECT_GT(runConsoleLine("help", clients).notes.size(), 10u);
}

}  // namespace
}  // namespace tavimo::devserver
