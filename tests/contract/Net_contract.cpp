#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ContractPlatform.h"

namespace tavimo::contract {
namespace {

constexpr std::uint16_t portA = 45901;
constexpr std::uint16_t portB = 45902;

class NetContract : public ::testing::Test {
 protected:
  std::unique_ptr<NetUnderTest> under = makeNet();
  Net& net = under->net();
};

TEST_F(NetContract, BindingAPortInUseFailsWithAddressInUse) {
  auto first = net.createSocket();
  auto second = net.createSocket();
  ASSERT_EQ(first->bind(portA), 0);
  EXPECT_EQ(second->bind(portA), wsa::AddressInUse);
  EXPECT_EQ(second->localPort(), 0);
  first->close();
  EXPECT_EQ(second->bind(portA), 0) << "a closed socket frees its port";
}

TEST_F(NetContract, EachDatagramArrivesWholeAndAlone) {
  auto sender = net.createSocket();
  auto receiver = net.createSocket();
  ASSERT_EQ(sender->bind(portA), 0);
  ASSERT_EQ(receiver->bind(portB), 0);
  std::vector<Datagram> received;
  receiver->onReceive = [&](const Datagram& d) { received.push_back(d); };

  std::string everyByte;
  for (int round = 0; round < 32; ++round)
    for (int b = 0; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
  const std::vector<std::string> sent = {"1|TAVIMO-PC07", "", "a|b|", everyByte};
  std::string self = net.localAddress();
  for (const std::string& text : sent) ASSERT_EQ(sender->sendTo(self, portB, text), 0);
  ASSERT_TRUE(under->pumpUntil([&] { return received.size() >= sent.size(); }));
  // Nothing more: no datagram split or joined.
  under->pumpUntil([] { return false; });

  ASSERT_EQ(received.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(received[i].data, sent[i]);
    EXPECT_EQ(received[i].fromPort, portA);
  }
}

// A handler that lets events happen (as the remote commands do) is not entered again for its
// own socket: the datagrams that came meanwhile follow it, in order, all of them.
TEST_F(NetContract, AHandlerThatLetsEventsHappenIsNotEnteredAgain) {
  auto sender = net.createSocket();
  auto receiver = net.createSocket();
  ASSERT_EQ(sender->bind(portA), 0);
  ASSERT_EQ(receiver->bind(portB), 0);
  std::vector<std::string> received;
  int depth = 0, deepest = 0;
  receiver->onReceive = [&](const Datagram& d) {
    deepest = std::max(deepest, ++depth);
    received.push_back(d.data);
    if (received.size() == 1) {
      int polls = 0;
      under->pumpUntil([&] { return ++polls > 50; });
    }
    --depth;
  };
  std::vector<std::string> sent;
  for (int i = 0; i < 80; ++i) sent.push_back(std::to_string(i));
  for (const std::string& text : sent) ASSERT_EQ(sender->sendTo(net.localAddress(), portB, text), 0);
  ASSERT_TRUE(under->pumpUntil([&] { return received.size() >= sent.size(); }));
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(received, sent);
}

TEST_F(NetContract, SendingToNoHostFails) {
  auto sender = net.createSocket();
  EXPECT_EQ(sender->sendTo("", portB, "x"), wsa::HostNotFound);
  EXPECT_EQ(socketErrorText(wsa::AddressInUse), "Address in use");
}

TEST_F(NetContract, LocalAddressIsDottedIPv4) {
  std::string address = net.localAddress();
  int dots = 0;
  for (char c : address) {
    if (c == '.') ++dots;
    else EXPECT_TRUE(c >= '0' && c <= '9') << address;
  }
  EXPECT_EQ(dots, 3) << address;
  EXPECT_EQ(net.resolve(address), std::vector<std::string>{address});
}

}  // namespace
}  // namespace tavimo::contract
