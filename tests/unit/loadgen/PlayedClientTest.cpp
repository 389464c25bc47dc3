#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "PlayedClient.h"
#include "core/DevServer.h"

namespace tavimo::loadgen {
namespace {

using devserver::DevServer;

DevServer sampleServer() {
  return DevServer(devserver::loadConfig(std::filesystem::path(DEVSERVER_SAMPLE_DIR) / "devserver.ini"),
                   devserver::ServerClock(std::string("12/09/2026"), std::string("10:31:05 AM")));
}

// Plays the client against the server until it is done, and keeps the server's log notes.
std::vector<std::string> play(DevServer& server, PlayedClient& client) {
  std::vector<std::string> notes;
  std::deque<Send> pending;
  for (Send& s : client.start()) pending.push_back(std::move(s));
  while (!pending.empty()) {
    const Send s = pending.front();
    pending.pop_front();
    const auto outcome = server.receive({s.toPort, {client.address(), s.fromPort}, s.text});
    notes.insert(notes.end(), outcome.notes.begin(), outcome.notes.end());
    for (const auto& reply : outcome.sends) {
      EXPECT_EQ(reply.to.address, client.address());
      for (Send& next : client.receive(reply.to.port, reply.text)) pending.push_back(std::move(next));
    }
  }
  return notes;
}

bool noted(const std::vector<std::string>& notes, const std::string& text) {
  for (const auto& note : notes)
    if (note.find(text) != std::string::npos) return true;
  return false;
}

// The server understands every datagram a played client sends: it answers each request,
// books each report, and has nothing to ignore.
TEST(PlayedClient, EachLoginKindRunsItsWholeSessionAgainstTheSampleServer) {
  struct Case {
    LoginKind kind;
    long answers;  // hello, two probes, and the login's own
    std::vector<std::string> notes;
  } cases[] = {
      {LoginKind::guest, 7,
       {"tariff transfer of charges24.ini to 127.0.1.1:45667 complete", "guest charge, new session: pc=\"LOAD001\" kind=\"New\" amount=\"10\""}},
      {LoginKind::member, 4,
       {"member request from \"LOAD001\" for \"anna\": known", "member usage report: pc=\"LOAD001\" kind=\"savmem\" member=\"anna\""}},
      {LoginKind::ticket, 4,
       {"ticket request from \"LOAD001\" for \"1001\": known", "ticket usage report: pc=\"LOAD001\" ticket=\"1001\""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    DevServer server = sampleServer();
    PlayedClient client("LOAD001", "127.0.1.1", c.kind);
    const auto notes = play(server, client);
    EXPECT_TRUE(client.done());
    EXPECT_EQ(client.answered(), c.answers);
    EXPECT_EQ(client.lost(), 0);
    EXPECT_EQ(client.wrong(), 0);
    EXPECT_TRUE(noted(notes, "hello from \"LOAD001\": answered with code 1"));
    EXPECT_TRUE(noted(notes, "probe from \"LOAD001\": answered with code 2"));
    EXPECT_TRUE(noted(notes, "session report: pc=\"LOAD001\" status=\"1\" date=\"12/09/2026\""));
    EXPECT_TRUE(noted(notes, "session report: pc=\"LOAD001\" status=\"0\" date=\"12/09/2026\""));
    EXPECT_TRUE(noted(notes, "address=\"127.0.1.1\""));
    for (const auto& note : c.notes) EXPECT_TRUE(noted(notes, note)) << note;
    EXPECT_FALSE(noted(notes, "ignored"));
    EXPECT_FALSE(noted(notes, "short:"));
  }
}

// Without a server every awaited answer is lost once, and the client still goes through its
// session to the end, as the real one does after its time-outs.
TEST(PlayedClient, AnswersThatNeverComeAreCountedLost) {
  PlayedClient client("LOAD002", "127.0.1.2", LoginKind::guest);
  std::vector<Send> sent = client.start();
  while (!client.done()) {
    for (Send& s : client.giveUp()) sent.push_back(std::move(s));
    ASSERT_LT(sent.size(), 20u);
  }
  EXPECT_EQ(client.lost(), 4);
  EXPECT_EQ(client.answered(), 0);
  EXPECT_EQ(sent.back().text, "2|LOAD002|0|12/09/2026|guest|guest|0:15:0|10|10:31:05 AM|10:46:05 AM|1|127.0.1.2");
  EXPECT_EQ(client.giveUp().size(), 0u) << "nothing more once done";
}

TEST(PlayedClient, AnAnswerOnTheWrongPortOrWithTheWrongCodeIsWrong) {
  PlayedClient client("LOAD003", "127.0.1.3", LoginKind::member);
  client.start();
  EXPECT_TRUE(client.receive(port::member, "1|admin|manager|guest|USD|12/09/2026|10:31:05 AM").empty());
  EXPECT_TRUE(client.receive(port::server, "2|admin|manager|guest|USD|12/09/2026|10:31:05 AM").empty());
  EXPECT_EQ(client.wrong(), 2);
  const auto probe = client.receive(port::server, "1|admin|manager|guest|USD|12/09/2026|10:31:05 AM");
  ASSERT_EQ(probe.size(), 2u);
  EXPECT_EQ(probe[0].text, "0|LOAD003");
  EXPECT_EQ(probe[1].text, "");
  EXPECT_EQ(probe[1].toPort, port::serverSettings);
}

}  // namespace
}  // namespace tavimo::loadgen
