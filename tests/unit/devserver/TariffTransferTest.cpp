#include <gtest/gtest.h>

#include <filesystem>

#include "ServerHarness.h"
#include "core/FileText.h"
#include "core/TariffTransfer.h"

namespace tavimo::devserver {
namespace {

// The sample tariff plus bytes a careless transfer would mangle: separators, a NUL, a lone
// line feed and 8-bit characters.
std::string awkwardTariff() {
  const auto sample = readWholeFile(std::filesystem::path(DEVSERVER_SAMPLE_DIR) / "charges24.ini");
  EXPECT_TRUE(sample.has_value());
  return sample.value_or("") + std::string("; 6|Slot I\r\n;\0\xe9\xff\n|", 19);
}

struct Fetched {
  std::string file;
  Texts pieces;  // the "4|" datagrams in order
};

// Plays the client: asks for the tariff, acknowledges the start with "2|" and every piece
// with "3|", and keeps the pieces until the end arrives.
Fetched fetchTariff(ServerHarness& harness, const std::string& pcName = "PC01",
                    const Endpoint& from = pc01) {
  Fetched fetched;
  EXPECT_EQ(harness.send(port::guest, "0|" + pcName + "|rates", from), Texts{"1|charges24.ini"});
  Texts replies = harness.send(port::guest, "2|" + pcName, from);
  while (replies.size() == 1 && replies[0].starts_with("4|") && fetched.pieces.size() < 100000) {
    fetched.pieces.push_back(replies[0]);
    fetched.file += replies[0].substr(2);
    replies = harness.send(port::guest, "3|" + pcName, from);
  }
  EXPECT_EQ(replies, Texts{"3|charges24.ini"});
  return fetched;
}

TEST(DevServerTariff, PiecesOfOneAndOfFourHundredBytesReassembleTheFile) {
  const std::string tariff = awkwardTariff();
  ASSERT_GT(tariff.size(), 400u);  // a full piece, then a shorter one
  ASSERT_NE(tariff.size() % 400, 0u);
  for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{400}}) {
    SCOPED_TRACE("pieces of " + std::to_string(pieceSize));
    ServerHarness harness(tariff, pieceSize);
    const Fetched fetched = fetchTariff(harness);
    EXPECT_EQ(fetched.file, tariff);
    EXPECT_EQ(fetched.pieces.size(), (tariff.size() + pieceSize - 1) / pieceSize);
    EXPECT_EQ(fetched.pieces.front(), "4|" + tariff.substr(0, pieceSize));
    EXPECT_EQ(fetched.pieces.back(), "4|" + tariff.substr((fetched.pieces.size() - 1) * pieceSize));
  }
}

TEST(DevServerTariff, AnEmptyFileEndsRightAfterTheStart) {
  ServerHarness harness("");
  EXPECT_EQ(fetchTariff(harness).pieces, Texts{});
}

TEST(DevServerTariff, AcknowledgementsOutOfTurnAreIgnored) {
  ServerHarness harness("abcdef", 4);
  EXPECT_EQ(harness.send(port::guest, "3|PC01"), Texts{});  // nothing open yet
  harness.send(port::guest, "0|PC01|rates");
  EXPECT_EQ(harness.send(port::guest, "3|PC01"), Texts{});  // the start wants "2|"
  EXPECT_EQ(harness.last.notes,
            Texts{"tariff transfer to 192.168.1.21:45667 waits for a \"2\" acknowledgement; ignored"});
  EXPECT_EQ(harness.send(port::guest, "2|PC01"), Texts{"4|abcd"});
  EXPECT_EQ(harness.send(port::guest, "2|PC01"), Texts{});  // a piece wants "3|"
  EXPECT_EQ(harness.send(port::guest, "3|PC01"), Texts{"4|ef"});
  EXPECT_EQ(harness.send(port::guest, "3|PC01"), Texts{"3|charges24.ini"});
  EXPECT_EQ(harness.send(port::guest, "3|PC01"), Texts{});  // over
}

TEST(DevServerTariff, ANewRequestStartsAgainFromTheBeginning) {
  ServerHarness harness("abcdef", 4);
  harness.send(port::guest, "0|PC01|rates");
  harness.send(port::guest, "2|PC01");
  EXPECT_EQ(fetchTariff(harness).file, "abcdef");
}

TEST(DevServerTariff, ClientsGetTheirOwnTransfers) {
  ServerHarness harness("abcdef", 4);
  const Endpoint pc02{"192.168.1.22", 45667};
  harness.send(port::guest, "0|PC01|rates");
  harness.send(port::guest, "2|PC01");
  EXPECT_EQ(fetchTariff(harness, "PC02", pc02).file, "abcdef");
  EXPECT_EQ(harness.send(port::guest, "3|PC01"), Texts{"4|ef"});
}

TEST(DevServerTariff, TheFileIsReadAtEveryRequest) {
  ServerHarness harness("[1]\r\ntype=0\r\n");
  harness.folder.write("charges24.ini", "[1]\r\ntype=1\r\n");
  EXPECT_EQ(fetchTariff(harness).file, "[1]\r\ntype=1\r\n");
  std::filesystem::remove(harness.folder.path() / "charges24.ini");
  EXPECT_EQ(harness.send(port::guest, "0|PC01|rates"), Texts{});
  EXPECT_EQ(harness.last.notes,
            Texts{"tariff file " + (harness.folder.path() / "charges24.ini").string() +
                  " cannot be read; request not answered"});
}

TEST(DevServerTariff, TheOldestOpenTransferMakesRoomForANewOne) {
  TariffTransfers transfers(1, 2);
  const Endpoint a{"10.0.0.1", 45667}, b{"10.0.0.2", 45667}, c{"10.0.0.3", 45667};
  transfers.begin(a, "A");
  transfers.begin(b, "B");
  transfers.begin(c, "C");
  EXPECT_EQ(transfers.openTransfers(), 2u);
  EXPECT_EQ(transfers.acknowledge(a, '2').datagram, std::nullopt);
  EXPECT_EQ(transfers.acknowledge(b, '2').datagram, "4|B");
  EXPECT_EQ(transfers.acknowledge(c, '2').datagram, "4|C");
}

}  // namespace
}  // namespace tavimo::devserver
