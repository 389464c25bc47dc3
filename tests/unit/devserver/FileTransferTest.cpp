#include <gtest/gtest.h>

#include <filesystem>

#include "ServerHarness.h"
#include "core/FileText.h"
#include "core/FileTransfer.h"

namespace tavimo::devserver {
namespace {

const std::filesystem::path sampleFolder = DEVSERVER_SAMPLE_DIR;

// The four files a client fetches in pieces: the tariff on its guest socket, and the three
// security settings files on its settings socket, whose answers end in "|na".
struct FileKind {
  const char* what;
  std::uint16_t port;
  Endpoint client;
  const char* name;  // in the datagrams
  const char* file;  // in the server's folder
  const char* answerTail;
};
const FileKind fileKinds[] = {
    {"tariff", port::guest, {"192.168.1.21", 45667}, "charges24.ini", "charges24.ini", ""},
    {"settings", port::settings, {"192.168.1.21", 45680}, "sys", "clt_mtssecurity.ini", "|na"},
    {"settings", port::settings, {"192.168.1.21", 45680}, "exp", "clt_msiexplorer.ini", "|na"},
    {"settings", port::settings, {"192.168.1.21", 45680}, "url", "clt_msurls.ini", "|na"},
};

std::string request(const FileKind& kind, const std::string& pcName = "PC01") {
  return "0|" + pcName + "|" + (kind.port == port::guest ? "rates" : kind.name);
}
std::string answer(const FileKind& kind, char code, const std::string& pcName = "PC01") {
  return std::string(1, code) + "|" + pcName + kind.answerTail;
}

// The sample file plus bytes a careless transfer would mangle: separators, a NUL, a lone
// line feed and 8-bit characters.
std::string awkwardContent(const FileKind& kind) {
  const auto sample = readWholeFile(sampleFolder / kind.file);
  EXPECT_TRUE(sample.has_value()) << kind.file;
  return sample.value_or("") + std::string("; 6|Slot I\r\n;\0\xe9\xff\n|", 19);
}

struct Fetched {
  std::string file;
  Texts pieces;  // the "4|" datagrams in order
};

// Plays the client: asks for the file, answers the start with code "2" and every piece with
// code "3", and keeps the pieces until the end arrives.
Fetched fetch(ServerHarness& harness, const FileKind& kind, const std::string& pcName = "PC01",
              const Endpoint& from = {}) {
  const Endpoint& client = from.address.empty() ? kind.client : from;
  Fetched fetched;
  EXPECT_EQ(harness.send(kind.port, request(kind, pcName), client), Texts{"1|" + std::string(kind.name)});
  Texts replies = harness.send(kind.port, answer(kind, '2', pcName), client);
  while (replies.size() == 1 && replies[0].starts_with("4|") && fetched.pieces.size() < 100000) {
    fetched.pieces.push_back(replies[0]);
    fetched.file += replies[0].substr(2);
    replies = harness.send(kind.port, answer(kind, '3', pcName), client);
  }
  EXPECT_EQ(replies, Texts{"3|" + std::string(kind.name)});
  return fetched;
}

TEST(DevServerFileTransfer, PiecesOfOneAndOfAHundredBytesReassembleTheFile) {
  for (const FileKind& kind : fileKinds) {
    const std::string content = awkwardContent(kind);
    ASSERT_GT(content.size(), 100u);  // a full piece, then a shorter one
    ASSERT_NE(content.size() % 100, 0u);
    for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{100}}) {
      SCOPED_TRACE(std::string(kind.name) + " in pieces of " + std::to_string(pieceSize));
      ServerHarness harness("", pieceSize);
      harness.folder.write(kind.file, content);
      const Fetched fetched = fetch(harness, kind);
      EXPECT_EQ(fetched.file, content);
      EXPECT_EQ(fetched.pieces.size(), (content.size() + pieceSize - 1) / pieceSize);
      EXPECT_EQ(fetched.pieces.front(), "4|" + content.substr(0, pieceSize));
      EXPECT_EQ(fetched.pieces.back(), "4|" + content.substr((fetched.pieces.size() - 1) * pieceSize));
    }
  }
}

TEST(DevServerFileTransfer, AnEmptyFileEndsRightAfterTheStart) {
  for (const FileKind& kind : fileKinds) {
    SCOPED_TRACE(kind.name);
    ServerHarness harness;
    harness.folder.write(kind.file, "");
    EXPECT_EQ(fetch(harness, kind).pieces, Texts{});
  }
}

TEST(DevServerFileTransfer, AcknowledgementsOutOfTurnAreIgnored) {
  for (const FileKind& kind : fileKinds) {
    SCOPED_TRACE(kind.name);
    ServerHarness harness("", 4);
    harness.folder.write(kind.file, "abcdef");
    const auto send = [&](const std::string& text) { return harness.send(kind.port, text, kind.client); };
    const std::string start = "1|" + std::string(kind.name), end = "3|" + std::string(kind.name);
    const std::string client = kind.client.text();
    const struct {
      std::string datagram;
      Texts replies;
      std::string note;
    } steps[] = {
        {answer(kind, '3'), {}, "no " + std::string(kind.what) + " transfer to " + client + " is open; ignored"},
        {request(kind), {start}, ""},
        {answer(kind, '3'), {}, std::string(kind.what) + " transfer to " + client + " waits for a \"2\" acknowledgement; ignored"},
        {answer(kind, '2'), {"4|abcd"}, std::string(kind.name) + " piece 1 of 2 (4 bytes)"},
        {answer(kind, '2'), {}, std::string(kind.what) + " transfer to " + client + " waits for a \"3\" acknowledgement; ignored"},
        {answer(kind, '3'), {"4|ef"}, std::string(kind.name) + " piece 2 of 2 (2 bytes)"},
        {answer(kind, '3'), {end}, std::string(kind.what) + " transfer of " + kind.name + " to " + client + " complete: 6 bytes in 2 piece(s)"},
        {answer(kind, '3'), {}, "no " + std::string(kind.what) + " transfer to " + client + " is open; ignored"},
    };
    for (const auto& step : steps) {
      SCOPED_TRACE(step.datagram);
      EXPECT_EQ(send(step.datagram), step.replies);
      if (!step.note.empty()) EXPECT_EQ(harness.last.notes, Texts{step.note});
    }
  }
}

TEST(DevServerFileTransfer, ANewRequestStartsAgainFromTheBeginning) {
  for (const FileKind& kind : fileKinds) {
    SCOPED_TRACE(kind.name);
    ServerHarness harness("", 4);
    harness.folder.write(kind.file, "abcdef");
    harness.send(kind.port, request(kind), kind.client);
    harness.send(kind.port, answer(kind, '2'), kind.client);
    EXPECT_EQ(fetch(harness, kind).file, "abcdef");
  }
}

TEST(DevServerFileTransfer, ClientsGetTheirOwnTransfers) {
  for (const FileKind& kind : fileKinds) {
    SCOPED_TRACE(kind.name);
    ServerHarness harness("", 4);
    harness.folder.write(kind.file, "abcdef");
    const Endpoint pc02{"192.168.1.22", kind.client.port};
    harness.send(kind.port, request(kind), kind.client);
    harness.send(kind.port, answer(kind, '2'), kind.client);
    EXPECT_EQ(fetch(harness, kind, "PC02", pc02).file, "abcdef");
    EXPECT_EQ(harness.send(kind.port, answer(kind, '3'), kind.client), Texts{"4|ef"});
  }
}

TEST(DevServerFileTransfer, TheFileIsReadAtEveryRequest) {
  for (const FileKind& kind : fileKinds) {
    SCOPED_TRACE(kind.name);
    ServerHarness harness;
    harness.folder.write(kind.file, "[1]\r\ntype=0\r\n");
    EXPECT_EQ(fetch(harness, kind).file, "[1]\r\ntype=0\r\n");
    harness.folder.write(kind.file, "[1]\r\ntype=1\r\n");
    EXPECT_EQ(fetch(harness, kind).file, "[1]\r\ntype=1\r\n");
    std::filesystem::remove(harness.folder.path() / kind.file);
    EXPECT_EQ(harness.send(kind.port, request(kind), kind.client), Texts{});
    EXPECT_EQ(harness.last.notes, Texts{std::string(kind.what) + " file " +
                                        (harness.folder.path() / kind.file).string() +
                                        " cannot be read; request not answered"});
  }
}

TEST(DevServerFileTransfer, TwoHundredClientsFetchAtTheSameTime) {
  FileTransfers transfers("tariff", 512);
  const auto client = [](int i) { return Endpoint{"127.0.1." + std::to_string(i), 45667}; };
  for (int i = 1; i <= 200; ++i) transfers.begin(client(i), "charges24.ini", "[1]");
  for (int i = 1; i <= 200; ++i) EXPECT_EQ(transfers.acknowledge(client(i), '2').datagram, "4|[1]") << client(i).text();
}

TEST(DevServerFileTransfer, TheOldestOpenTransferMakesRoomForANewOne) {
  FileTransfers transfers("tariff", 1, 2);
  const Endpoint a{"10.0.0.1", 45667}, b{"10.0.0.2", 45667}, c{"10.0.0.3", 45667};
  transfers.begin(a, "charges24.ini", "A");
  transfers.begin(b, "charges24.ini", "B");
  transfers.begin(c, "charges24.ini", "C");
  EXPECT_EQ(transfers.openTransfers(), 2u);
  EXPECT_EQ(transfers.acknowledge(a, '2').datagram, std::nullopt);
  EXPECT_EQ(transfers.acknowledge(b, '2').datagram, "4|B");
  EXPECT_EQ(transfers.acknowledge(c, '2').datagram, "4|C");
}

}  // namespace
}  // namespace tavimo::devserver
