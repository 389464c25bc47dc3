#include <gtest/gtest.h>

#include <vector>

#include "TariffClient.h"
#include "net/ReceivedFile.h"

namespace tavimo {
namespace {

using TariffTransfer = testing::TariffClient;

// More than two 400-byte pieces; CR LF line ends, a bare LF, a "|" and an 8-bit character
// in the comments, all of which must reach the disk unchanged.
std::string cafeTariff() {
  std::string text = testing::iniText({
      "; Tariff of the Blue Lagoon cafe | prices in \xA3",
      "[1]",
      "type=1",
      "slots=15,30,45,60",
      "rates=10,15,20,25",
      "after=1",
      "charges=12",
      "min=30",
      "",
      "[Flat]",
      "type=0",
      "rates=0.5",
  });
  text += "; a line ending in LF alone\n";
  for (int i = 0; i < 12; ++i) text += testing::iniText({"; weekend and holiday tariffs follow in the next season's file"});
  return text;
}

TEST_F(TariffTransfer, OneBytePiecesAndLargePiecesGiveTheSameFileAndTariff) {
  const std::string content = cafeTariff();
  ASSERT_GT(content.size(), 800u);
  std::vector<Tariff> tariffs;
  for (std::size_t pieceSize : {std::size_t{1}, std::size_t{400}}) {
    SCOPED_TRACE(pieceSize);
    resetTariff();
    transfer(content, pieceSize);
    EXPECT_EQ(fileContent(), content);
    tariffs.push_back(tariff());
  }
  for (const Tariff& t : tariffs) {
    EXPECT_TRUE(t.tariffLoaded);
    EXPECT_EQ(t.type, "1");
    EXPECT_EQ(t.afterMode, "1");
    EXPECT_EQ(t.rate, (std::array<double, 4>{10, 15, 20, 25}));
    EXPECT_EQ(t.slot, (std::array<std::uint8_t, 4>{15, 30, 45, 60}));
    EXPECT_EQ(t.blockCharge, 12);
    EXPECT_EQ(t.blockLength, 30);
  }
}

TEST_F(TariffTransfer, RepliesGoToTheServersGuestPortWithThisComputersName) {
  c.h.network.clearSent();
  transfer("[1]\r\ntype=0\r\nrates=2\r\n", 10);
  std::vector<std::string> replies;
  for (const SentDatagram& d : c.h.network.sent()) {
    if (d.fromAddress != "10.0.0.7") continue;
    EXPECT_EQ(d.fromPort, 45667);
    EXPECT_EQ(d.toAddress, "10.0.0.1");
    EXPECT_EQ(d.toPort, 45673);
    replies.push_back(d.data);
  }
  EXPECT_EQ(replies, (std::vector<std::string>{"2|TAVIMO-PC07", "3|TAVIMO-PC07", "3|TAVIMO-PC07", "3|TAVIMO-PC07"}))
      << "one reply to the start, one per piece, none to the end";
}

TEST_F(TariffTransfer, OnlyTheEndLoadsTheTariff) {
  send("1|charges24.ini");
  send("4|[1]\r\ntype=0\r\nrates=1.25\r\n");
  EXPECT_FALSE(tariff().tariffLoaded);
  EXPECT_EQ(tariff().flatRate, 0);
  send("3|charges24.ini");
  EXPECT_TRUE(tariff().tariffLoaded);
  EXPECT_EQ(tariff().flatRate, 1.25);
  EXPECT_EQ(tariff().blockLength, 1);
}

TEST_F(TariffTransfer, AStartReplacesTheEarlierFile) {
  ASSERT_TRUE(c.files.writeAll(tariffPath(), "[1]\r\ntype=0\r\nrates=9\r\n; a much longer earlier file\r\n"));
  send("1|charges24.ini");
  EXPECT_EQ(fileContent(), "") << "a fresh, empty file";
  send("4|[1]\r\nrates=3\r\n");
  send("3|charges24.ini");
  EXPECT_EQ(fileContent(), "[1]\r\nrates=3\r\n");
  EXPECT_EQ(tariff().flatRate, 3);
}

TEST_F(TariffTransfer, PiecesOutsideATransferAndOtherCodesLeaveTheFileAlone) {
  transfer("[1]\r\ntype=0\r\nrates=2\r\n", 100);
  c.h.network.clearSent();
  for (const char* stray : {"4|rates=99\r\n", "2|TAVIMO-PC07", "9|x", "", "4"}) send(stray);
  EXPECT_EQ(fileContent(), "[1]\r\ntype=0\r\nrates=2\r\n");
  std::vector<std::string> replies;
  for (const SentDatagram& d : c.h.network.sent())
    if (d.fromAddress == "10.0.0.7") replies.push_back(d.data);
  EXPECT_EQ(replies, (std::vector<std::string>{"3|TAVIMO-PC07", "3|TAVIMO-PC07"})) << "pieces are acknowledged, other codes not";
}

// Pieces as large as a datagram carries, three megabytes of them: the file keeps the whole
// pieces within one megabyte, which hold the tariff itself, and the next transfer is whole.
TEST_F(TariffTransfer, AFileOfSeveralMegabytesIsCutAtOneMegabyte) {
  std::string content = cafeTariff();
  while (content.size() < 3'000'000) content += testing::iniText({std::string(78, ';')});
  const std::size_t pieceSize = 65'505;
  transfer(content, pieceSize);
  const std::size_t kept = (ReceivedFile::maxBytes / pieceSize) * pieceSize;
  EXPECT_EQ(fileContent().size(), kept);
  EXPECT_EQ(fileContent(), content.substr(0, kept));
  EXPECT_TRUE(tariff().tariffLoaded);
  EXPECT_EQ(tariff().rate, (std::array<double, 4>{10, 15, 20, 25}));

  resetTariff();
  transfer(cafeTariff(), 400);
  EXPECT_EQ(fileContent(), cafeTariff());
}

TEST_F(TariffTransfer, AnEndWithoutAStartLoadsTheFileAsItIs) {
  ASSERT_TRUE(c.files.writeAll(tariffPath(), "[1]\r\ntype=0\r\nrates=4\r\n"));
  send("3|charges24.ini");
  EXPECT_TRUE(tariff().tariffLoaded);
  EXPECT_EQ(tariff().flatRate, 4);
}

}  // namespace
}  // namespace tavimo
