#pragma once
// A DevServer with a small configuration and a fixed clock, and a way to send it datagrams
// from a client and get back the texts of the replies.
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/DevServer.h"
#include "core/Ports.h"

namespace tavimo::devserver {

inline const Endpoint pc01{"192.168.1.21", 45667};

inline Config harnessConfig(const TempFolder& folder, const std::string& tariff,
                            std::size_t pieceSize) {
  Config config;
  config.handshake = HandshakeValues{"boss", "mgr", "welcome", "Rs"};
  EXPECT_EQ(config.accounts.add(AccountKind::member, "anna",
                                "12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15"),
            std::nullopt);
  EXPECT_EQ(config.accounts.add(AccountKind::ticket, "1001",
                                " t1001 |One hour|01/15/2024|12/31/2030|1|0|0|0|0|0"),
            std::nullopt);
  config.tariff.file = folder.write("charges24.ini", tariff);
  config.tariff.pieceSize = pieceSize;
  config.settings.folder = folder.path();
  config.settings.pieceSize = pieceSize;
  return config;
}

class ServerHarness {
 public:
  explicit ServerHarness(const std::string& tariff = "[1]\r\ntype=0\r\nrates=0.5\r\n",
                         std::size_t pieceSize = 400)
      : server(harnessConfig(folder, tariff, pieceSize),
               ServerClock(std::string("03/15/2024"), std::string("1:05:09 PM"))) {}

  // The replies' texts; each must go back to the sender from the port it came in at.
  std::vector<std::string> send(std::uint16_t port, const std::string& text,
                                const Endpoint& from = pc01) {
    last = server.receive(Incoming{port, from, text});
    std::vector<std::string> texts;
    for (const auto& datagram : last.sends) {
      EXPECT_EQ(datagram.to, from);
      EXPECT_EQ(datagram.fromPort, port);
      texts.push_back(datagram.text);
    }
    return texts;
  }

  TempFolder folder;
  DevServer server;
  Outcome last;
};

using Texts = std::vector<std::string>;

}  // namespace tavimo::devserver
