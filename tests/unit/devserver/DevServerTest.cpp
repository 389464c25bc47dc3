#include <gtest/gtest.h>

#include "ServerHarness.h"

namespace tavimo::devserver {
namespace {

TEST(DevServer, HelloIsAnsweredWithCodeOneAndProbeWithCodeTwo) {
  ServerHarness harness;
  EXPECT_EQ(harness.send(port::hello, "1|PC01"),
            Texts{"1|boss|mgr|welcome|Rs|03/15/2024|1:05:09 PM"});
  EXPECT_EQ(harness.send(port::hello, "0|PC01"),
            Texts{"2|boss|mgr|welcome|Rs|03/15/2024|1:05:09 PM"});
}

TEST(DevServer, MemberAndTicketRequests) {
  ServerHarness harness;
  const struct {
    std::uint16_t port;
    const char* request;
    const char* reply;
  } cases[] = {
      {port::member, "0|PC01|anna", "1|12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15"},
      {port::member, "0|PC01|Anna", "1|12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15"},
      {port::member, "0|PC01|bob", "0|"},
      {port::member, "0|PC01|", "0|"},
      {port::member, "0|PC01|anna|x", "0|"},  // the name takes the rest of the datagram
      {port::ticket, "0|PC01|1001", "1|t1001|One hour|01/15/2024|12/31/2030|1|0|0|0|0|0"},
      {port::ticket, "0|PC01|1002", "0|"},
      {port::ticket, "0|PC01|anna", "0|"},  // a member is no ticket
  };
  for (const auto& c : cases) EXPECT_EQ(harness.send(c.port, c.request), Texts{c.reply}) << c.request;
  EXPECT_EQ(harness.last.notes, Texts{"ticket request from \"PC01\" for \"anna\": unknown"});
}

TEST(DevServer, MalformedDatagramsGetANoteAndNoReply) {
  ServerHarness harness;
  const struct {
    std::uint16_t port;
    std::string text;
    const char* note;
  } cases[] = {
      {port::hello, "", "empty datagram on the hello/probe port; ignored"},
      {port::hello, "1", "unknown or malformed datagram (code 1) on the hello/probe port; ignored"},
      {port::hello, "1|", "unknown or malformed datagram (code 1) on the hello/probe port; ignored"},
      {port::hello, "7|PC01", "unknown or malformed datagram (code 7) on the hello/probe port; ignored"},
      {port::member, "0", "unknown or malformed datagram (code 0) on the member port; ignored"},
      {port::member, "0|PC01", "unknown or malformed datagram (code 0) on the member port; ignored"},
      {port::member, "1|PC01|what", "unknown or malformed datagram (code 1) on the member port; ignored"},
      {port::guest, "0|PC01|fares", "unknown or malformed datagram (code 0) on the guest/tariff port; ignored"},
      {port::guest, "3|PC01", "no tariff transfer to 192.168.1.21:45667 is open; ignored"},
      {port::help, std::string("\x1b[2J", 4), "unknown or malformed datagram (code \\x1B) on the help port; ignored"},
      {port::commands, "5", "unknown or malformed datagram (code 5) on the commands port; ignored"},
      {45999, "1|PC01", "unknown or malformed datagram (code 1) on the unknown port; ignored"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(harness.send(c.port, c.text), Texts{});
    EXPECT_EQ(harness.last.notes, Texts{c.note});
  }
}

TEST(DevServer, ReportsAreRecordedFieldByField) {
  ServerHarness harness;
  const struct {
    std::uint16_t port;
    const char* text;
    const char* note;
  } cases[] = {
      {port::reports, "2|PC01|1|03/15/2024|guest|Bob|0:0:0|0|1:05:09 PM||1|192.168.1.21",
       "session report: pc=\"PC01\" status=\"1\" date=\"03/15/2024\" user=\"guest\" label=\"Bob\" "
       "elapsed=\"0:0:0\" amount=\"0\" login=\"1:05:09 PM\" logout=\"\" rate_type=\"1\" "
       "address=\"192.168.1.21\""},
      {port::reports, "1|PC01|1|03/15/2024|anna",
       "session report (previous session): pc=\"PC01\" status=\"1\" date=\"03/15/2024\" "
       "user=\"anna\" (short: 4 of 11 fields)"},
      {port::reports, "0|PC01", "computer-off notice: pc=\"PC01\""},
      {port::guest, "1|PC01|New|37", "guest charge, new session: pc=\"PC01\" kind=\"New\" amount=\"37\""},
      {port::guest, "1|PC01|Old|0", "guest charge, resumed session: pc=\"PC01\" kind=\"Old\" added=\"0\""},
      {port::member, "1|PC01|savmem|anna|2|30|0|1",
       "member usage report: pc=\"PC01\" kind=\"savmem\" member=\"anna\" used_hours=\"2\" "
       "used_minutes=\"30\" zero=\"0\" used_up=\"1\""},
      {port::member, "1|PC01|pwdchng|anna|new|pw",
       "member password change: pc=\"PC01\" kind=\"pwdchng\" member=\"anna\" new_password=\"new|pw\""},
      {port::ticket, "1|PC01|1001|1|0|0|0",
       "ticket usage report: pc=\"PC01\" ticket=\"1001\" used_hours=\"1\" used_minutes=\"0\" "
       "zero=\"0\" used_up=\"0\""},
      {port::orders, "1|PC01", "item list request: pc=\"PC01\""},
      {port::orders, "2|Coffee,2|Sandwich,1|PC01", "order from \"PC01\": \"Coffee\" x 2; \"Sandwich\" x 1"},
      {port::orders, "2|PC01", "order from \"PC01\": no items"},
      {port::help, "1|PC01", "help request: pc=\"PC01\""},
      {port::settings, "", "settings request (sent with every hello and probe)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(harness.send(c.port, c.text), Texts{}) << c.text;
    ASSERT_FALSE(harness.last.notes.empty()) << c.text;
    EXPECT_EQ(harness.last.notes.front(), c.note);
  }
}

TEST(DevServer, ItemListIsOneDatagramPerItem) {
  ServerHarness harness;
  harness.server = DevServer(
      [&] {
        Config config = harnessConfig(harness.folder, "[1]\r\ntype=0\r\nrates=0.5\r\n", 400);
        config.items = {{"Coffee", "1.50"}, {"Sandwich", "3.5"}};
        return config;
      }(),
      ServerClock(std::string("03/15/2024"), std::string("1:05:09 PM")));
  EXPECT_EQ(harness.send(port::orders, "1|PC01"), (Texts{"Coffee|1.50", "Sandwich|3.5"}));
  EXPECT_EQ(harness.last.notes.back(), "sent 2 items");
  EXPECT_EQ(harness.send(port::orders, "2|Coffee,2|PC01"), Texts{}) << "an order has no answer";
}

// What a client reports of an account is what the next login is told.
TEST(DevServer, PasswordChangesAndUsedTimeReachTheNextLogin) {
  ServerHarness harness;
  harness.send(port::member, "1|PC01|pwdchng|anna|n3w");
  EXPECT_EQ(harness.last.notes.back(), "member \"anna\" changed");
  harness.send(port::member, "1|PC01|savmem|anna|3|5|0|0");
  harness.send(port::ticket, "1|PC01|1001|0|45|0|0");
  EXPECT_EQ(harness.send(port::member, "0|PC01|anna"), Texts{"1|n3w|Gold|01/15/2024|12/31/2030|20|0|3|5|150|0|15"});
  EXPECT_EQ(harness.send(port::ticket, "0|PC01|1001"), Texts{"1|t1001|One hour|01/15/2024|12/31/2030|1|0|0|45|0|0"});

  harness.send(port::member, "1|PC01|savmem|anna|x|5|0|0");
  EXPECT_EQ(harness.last.notes.back(), "member \"anna\" not changed: used hours \"x\" must be a whole number from 0 to 32767");
  harness.send(port::member, "1|PC01|pwdchng|bob|n3w");
  EXPECT_EQ(harness.last.notes.back(), "member \"bob\" not changed: no such member");
  EXPECT_EQ(harness.send(port::member, "0|PC01|anna"), Texts{"1|n3w|Gold|01/15/2024|12/31/2030|20|0|3|5|150|0|15"});
}

TEST(DevServer, ClientsAreKnownFromTheirHelloUntilTheyGoOff) {
  ServerHarness harness;
  harness.send(port::hello, "1|PC01");
  harness.send(port::hello, "0|PC02", Endpoint{"192.168.1.22", 45665});
  harness.send(port::hello, "0|pc01", Endpoint{"192.168.1.31", 45665});  // moved
  harness.send(port::reports, "0|PC02");
  const auto clients = harness.server.clients().all();
  ASSERT_EQ(clients.size(), 2u);
  EXPECT_EQ(clients[0].pcName, "pc01");
  EXPECT_EQ(clients[0].address, "192.168.1.31");
  EXPECT_FALSE(clients[0].switchedOff);
  EXPECT_EQ(clients[1].pcName, "PC02");
  EXPECT_TRUE(clients[1].switchedOff);
}

}  // namespace
}  // namespace tavimo::devserver
