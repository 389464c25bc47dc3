#include <gtest/gtest.h>

#include <algorithm>

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

// One datagram from the command port to the client's listener, and the note saying so.
void expectOneCommand(const Outcome& outcome, const std::string& address, const std::string& text,
                      const std::string& note) {
  ASSERT_EQ(outcome.sends.size(), 1u);
  EXPECT_EQ(outcome.sends[0].fromPort, port::commands);
  EXPECT_EQ(outcome.sends[0].to, (Endpoint{address, port::clientListener}));
  EXPECT_EQ(outcome.sends[0].text, text);
  EXPECT_EQ(outcome.notes, std::vector<std::string>{note});
  EXPECT_FALSE(outcome.quit);
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
    expectOneCommand(runConsoleLine(c.line, clients), c.address, c.text, c.note);
  }
}

TEST(DevServerConsole, OtherLines) {
  const struct {
    const char* line;
    std::vector<std::string> notes;
    bool quit;
  } cases[] = {
      {"", {}, false},
      {"send", {"usage: send PC TEXT (type help for the remote commands)"}, false},
      {"send PC01", {"usage: send PC TEXT (type help for the remote commands)"}, false},
      {"message PC01", {"usage: message PC TEXT (type help for the remote commands)"}, false},
      {"message PC01 ", {"usage: message PC TEXT (type help for the remote commands)"}, false},
      {"resume-guest PC01 1:05:09 PM|0:4:59",
       {"usage: resume-guest PC FIGURES (type help for the remote commands)"}, false},
      {"rate-type PC01", {"usage: rate-type PC RATE (type help for the remote commands)"}, false},
      {"push-settings", {"usage: push-settings PC (type help for the remote commands)"}, false},
      {"logout PC01 now", {"usage: logout PC (type help for the remote commands)"}, false},
      {"clients", {"PC01 at 192.168.1.21", "PC02 at 192.168.1.22 (switched off)"}, false},
      {"kick PC01", {"unknown command \"kick\" (type help)"}, false},
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
}

// Every remote command a client obeys has a shortcut; each sends the code and its argument
// as typed, like "send" does.
const struct {
  const char* line;
  const char* text;
} shortcuts[] = {
    {"message PC01 We close at ten | sorry", "1We close at ten | sorry"},
    {"resume-guest PC01 1:05:09 PM|0:4:59|2.5", "h1:05:09 PM|0:4:59|2.5"},
    {"block-input PC01", "2"},
    {"unblock-input PC01", "3"},
    {"guest-login PC01", "4"},
    {"logout PC01", "5"},
    {"rate-type PC01 Flat", "6|Flat"},
    {"lift-security PC01", "7"},
    {"push-settings PC01", "8"},
    {"shutdown PC01", "9"},
    {"restart PC01", "0"},
    {"pause PC01", "p"},
    {"resume PC01", "t"},
    {"duration-on PC01", "s"},
    {"duration-off PC01", "n"},
    {"name-on PC01", "l"},
    {"name-off PC01", "g"},
    {"continue-guest PC01", "c"},
    {"close-client PC01", "x"},
};

TEST(DevServerConsole, ShortcutsSendEveryRemoteCommand) {
  const ClientList clients = twoClients();
  for (const auto& c : shortcuts) {
    SCOPED_TRACE(c.line);
    expectOneCommand(runConsoleLine(c.line, clients), "192.168.1.21", c.text,
                     "remote command \"" + std::string(c.text) + "\" to PC01 (192.168.1.21)");
  }
  expectOneCommand(runConsoleLine("PUSH-SETTINGS 10.0.0.9", clients), "10.0.0.9", "8",
                   "remote command \"8\" to 10.0.0.9");
}

// Help has one line per remote command: its code, its shortcut with arguments, what it does.
TEST(DevServerConsole, HelpListsEveryRemoteCommand) {
  const auto notes = runConsoleLine("help", ClientList{}).notes;
  for (const auto& c : shortcuts) {
    const std::string line(c.line);
    const std::string shortcut = line.substr(0, line.find(' '));
    const std::string code = std::string(c.text).substr(0, std::string(c.text)[0] == '6' ? 2 : 1);
    SCOPED_TRACE(shortcut);
    std::size_t found = 0;
    for (const auto& note : notes) {
      found += note.starts_with("  " + code) && note.find(" " + shortcut + " PC") != std::string::npos;
    }
    EXPECT_EQ(found, 1u);
  }
  EXPECT_NE(std::find(notes.begin(), notes.end(),
                      "  8      push-settings PC         fetches and applies the security settings (idle)"),
            notes.end());
  EXPECT_NE(std::find(notes.begin(), notes.end(),
                      "  h...   resume-guest PC FIGURES  resumes a guest session with FIGURES (idle)"),
            notes.end());
}

}  // namespace
}  // namespace tavimo::devserver
