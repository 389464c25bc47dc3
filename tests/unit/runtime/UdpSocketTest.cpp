#include <gtest/gtest.h>

#include "runtime/UdpSocket.h"
#include "support/HeadlessApp.h"

namespace tavimo::rt {
namespace {

struct frmSockets : Form {
  UdpSocket wskServer{*this, "wskServer"};
  UdpSocket wskOther{*this, "wskOther"};
  std::vector<std::string> received;
  std::vector<int> errors;
  frmSockets() : Form("frmSockets") {
    wskServer.onDataArrival = [this](long bytes) {
      received.push_back(wskServer.getData() + " (" + std::to_string(bytes) + " from " + wskServer.remoteHostIP() + ")");
    };
    wskServer.onError = [this](const SocketError& e) { errors.push_back(e.number); };
  }
};

class UdpSockets : public ::testing::Test {
 protected:
  testing::HeadlessApp h;
  frmSockets& f = h.app.form<frmSockets>();
};

TEST_F(UdpSockets, BindingAPortInUseFailsWithAddressInUse) {
  ASSERT_FALSE(f.wskServer.bind(45665));
  auto error = f.wskOther.bind(45665);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, 10048);
  EXPECT_EQ(error->description, "Address in use");
}

TEST_F(UdpSockets, EachSendIsOneWholeDatagramWithoutTerminator) {
  f.wskServer.bind(45665);
  auto peer = h.server.createSocket();
  peer->bind(45671);
  std::vector<Datagram> atServer;
  peer->onReceive = [&](const Datagram& d) { atServer.push_back(d); };

  f.wskServer.setRemoteHost("cafeserver");  // names resolve without regard to case
  f.wskServer.setRemotePort(45671);
  EXPECT_FALSE(f.wskServer.sendData("1|TAVIMO-PC07"));
  EXPECT_FALSE(f.wskServer.sendData(std::string("a\0b|\xe9", 5)));
  h.backend.advance(10);

  ASSERT_EQ(atServer.size(), 2u);
  EXPECT_EQ(atServer[0].data, "1|TAVIMO-PC07");
  EXPECT_EQ(atServer[0].fromAddress, "10.0.0.7");
  EXPECT_EQ(atServer[0].fromPort, 45665);
  EXPECT_EQ(atServer[1].data, std::string("a\0b|\xe9", 5));

  peer->sendTo("10.0.0.7", 45665, "1|pass|mgr|guest|Rs|12/09/2026|10:04:59 PM");
  peer->sendTo("10.0.0.7", 45665, "");
  h.backend.advance(10);
  EXPECT_EQ(f.received, (std::vector<std::string>{"1|pass|mgr|guest|Rs|12/09/2026|10:04:59 PM (42 from 10.0.0.1)",
                                                  " (0 from 10.0.0.1)"}));
}

TEST_F(UdpSockets, SendFailuresComeBackAsErrors) {
  f.wskServer.bind(45665);
  f.wskServer.setRemoteHost("");
  f.wskServer.setRemotePort(45671);
  auto noHost = f.wskServer.sendData("1|x");
  ASSERT_TRUE(noHost);
  EXPECT_EQ(noHost->number, 11001);
  f.wskServer.setRemoteHost("CAFESERVER");
  f.wskServer.setRemotePort(0);
  EXPECT_TRUE(f.wskServer.sendData("1|x"));
  EXPECT_TRUE(h.network.sent().empty());
}

TEST_F(UdpSockets, UnreachablePortRaisesTheErrorEvent) {
  f.wskServer.bind(45665);
  f.wskServer.setRemoteHost("CAFESERVER");
  f.wskServer.setRemotePort(45671);
  f.wskServer.sendData("1|TAVIMO-PC07");
  h.backend.advance(10);
  EXPECT_EQ(f.errors, std::vector<int>{10054});
}

TEST_F(UdpSockets, AClosedSocketSendsFromItsPortAgain) {
  f.wskServer.bind(45665);
  f.wskServer.close();
  EXPECT_FALSE(f.wskOther.bind(45665)) << "the port is free while closed";
  f.wskOther.close();
  f.wskServer.setRemoteHost("10.0.0.1");
  f.wskServer.setRemotePort(45671);
  EXPECT_FALSE(f.wskServer.sendData("0|TAVIMO-PC07"));
  ASSERT_EQ(h.network.sent().size(), 1u);
  EXPECT_EQ(h.network.sent()[0].fromPort, 45665);
}

TEST_F(UdpSockets, DatagramsFromRefusedSourcesNeverReachTheForm) {
  f.wskServer.bind(45665);
  h.app.setDatagramFilter([](const std::string& address) { return address == "10.0.0.1"; });
  auto server = h.server.createSocket();
  auto intruder = h.network.host("PC-13", "10.0.0.13").createSocket();
  intruder->sendTo("10.0.0.7", 45665, "1|forged");
  server->sendTo("10.0.0.7", 45665, "1|real");
  h.backend.advance(10);
  EXPECT_EQ(f.received, std::vector<std::string>{"1|real (6 from 10.0.0.1)"});
}

TEST_F(UdpSockets, LocalAddressIsThisComputersDottedAddress) { EXPECT_EQ(f.wskServer.localIP(), "10.0.0.7"); }

}  // namespace
}  // namespace tavimo::rt
