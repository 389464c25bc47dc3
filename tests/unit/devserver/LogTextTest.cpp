#include <gtest/gtest.h>

#include "core/LogText.h"
#include "core/Ports.h"

namespace tavimo::devserver {
namespace {

TEST(DevServerLog, OneLinePerDatagramWithPortPurposePeerAndFields) {
  EXPECT_EQ(receivedLine(Incoming{port::hello, {"127.0.0.1", 45665}, "1|PC01"}),
            "45671 hello/probe    <- 127.0.0.1:45665  code 1 [PC01]");
  EXPECT_EQ(sentLine(Outgoing{port::member, {"127.0.0.1", 45668}, "0|"}),
            "45674 member         -> 127.0.0.1:45668  code 0 []");
  EXPECT_EQ(receivedLine(Incoming{port::reports, {"10.0.0.2", 45666}, "0|PC\x1b"}),
            "45672 session report <- 10.0.0.2:45666  code 0 [PC\\x1B]");
  EXPECT_EQ(noteLine("hello from \"PC01\""), "      hello from \"PC01\"");
  EXPECT_EQ(stampedLine("14:03:22", "x"), "14:03:22 x");
}

TEST(DevServerLog, AFilePieceIsShownAsOneFieldCutShort) {
  EXPECT_EQ(sentLine(Outgoing{port::guest, {"127.0.0.1", 45667}, "4|6|Flat\r\n"}),
            "45673 guest/tariff   -> 127.0.0.1:45667  code 4 [6|Flat\\x0D\\x0A] (8 bytes)");
  EXPECT_EQ(sentLine(Outgoing{port::settings, {"127.0.0.1", 45680}, "4|URLS=a|b"}),
            "45681 settings       -> 127.0.0.1:45680  code 4 [URLS=a|b] (8 bytes)");
  EXPECT_EQ(sentLine(Outgoing{port::settings, {"127.0.0.1", 45680}, "3|sys"}),
            "45681 settings       -> 127.0.0.1:45680  code 3 [sys]");
  const std::string piece(400, 'x');
  EXPECT_EQ(sentLine(Outgoing{port::guest, {"127.0.0.1", 45667}, "4|" + piece}),
            "45673 guest/tariff   -> 127.0.0.1:45667  code 4 [" + piece.substr(0, 60) +
                "...] (400 bytes)");
}

TEST(DevServerLog, ARemoteCommandIsItsCodeAndAllThatFollows) {
  const struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"1We close at ten", "code 1 [We close at ten]"},
      {"6|Flat", "code 6 [|Flat]"},
      {"h1:05:09 PM|0:4:59|2.5", "code h [1:05:09 PM|0:4:59|2.5]"},
      {"8", "code 8 (no argument)"},
      {"1\xe9t\xe9", "code 1 [\\xE9t\\xE9]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sentLine(Outgoing{port::commands, {"192.168.1.21", 45664}, c.text}),
              std::string("45678 commands       -> 192.168.1.21:45664  ") + c.shown);
  }
}

}  // namespace
}  // namespace tavimo::devserver
