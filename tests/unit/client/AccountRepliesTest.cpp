#include <gtest/gtest.h>

#include "net/frmSocks.h"
#include "support/HeadlessClient.h"

namespace tavimo {
namespace {

using testing::ServerPort;

class AccountReplies : public ::testing::Test {
 protected:
  AccountReplies() {
    setServerName("CAFESERVER");
    c.h.app.form<frmSocks>();
  }
  void reply(std::uint16_t toPort, const std::string& text) {
    server.sendTo("10.0.0.7", toPort, text);
    c.h.backend.advance(10);
  }
  testing::HeadlessClient c;
  ServerPort server{c.h.server, 45674};
};

TEST_F(AccountReplies, MemberReplyFillsTheAccountAsSent) {
  reply(45668, "1| secret |Gold|01/01/2026|12/31/2026|10|30|2|15|125.5|0|30");
  const ClientContext& cx = client();
  EXPECT_TRUE(cx.memberReplied);
  EXPECT_TRUE(cx.memberFound);
  const Account& a = cx.memberAccount;
  EXPECT_EQ(a.password, " secret ") << "a member's password is taken as sent";
  EXPECT_EQ(a.scheme, "Gold");
  EXPECT_EQ(a.registrationDate, "01/01/2026");
  EXPECT_EQ(a.expiryDate, "12/31/2026");
  EXPECT_EQ(a.totalHours, 10);
  EXPECT_EQ(a.totalMinutes, 30);
  EXPECT_EQ(a.usedHours, 2);
  EXPECT_EQ(a.usedMinutes, 15);
  EXPECT_EQ(a.amount, 125.5);
  EXPECT_EQ(a.alreadyLoggedIn, 0);
  EXPECT_EQ(a.minimumMinutes, 30);
}

TEST_F(AccountReplies, UnknownMemberIsARepliedButNotFound) {
  reply(45668, "0|");
  EXPECT_TRUE(client().memberReplied);
  EXPECT_FALSE(client().memberFound);
}

TEST_F(AccountReplies, FieldsThatDoNotConvertKeepTheirValues) {
  reply(45668, "1|pw|Gold|a|b|10|30|2|15|125.5|1|30");
  reply(45668, "1|pw2|Silver|a|b|ten|45|x|15|lots|300|30");
  const Account& a = client().memberAccount;
  EXPECT_EQ(a.password, "pw2");
  EXPECT_EQ(a.totalHours, 10);
  EXPECT_EQ(a.totalMinutes, 45);
  EXPECT_EQ(a.usedHours, 2);
  EXPECT_EQ(a.amount, 125.5);
  EXPECT_EQ(a.alreadyLoggedIn, 1) << "300 is no byte";
  // A short reply: a field is taken only with the separator after it (the last one takes
  // the rest), so "Bronze" is not taken and the fields it lacks keep their values.
  reply(45668, "1|pw3|Bronze");
  EXPECT_EQ(a.password, "pw3");
  EXPECT_EQ(a.scheme, "Silver");
  EXPECT_EQ(a.registrationDate, "a");
}

TEST_F(AccountReplies, TicketReplyIsTrimmedAndOnlyCodeOneCounts) {
  reply(45663, "0|nothing");
  EXPECT_FALSE(client().ticketFound);
  reply(45663, "1|  pass  | Day |01/01/2026 |01/02/2026| 5|0|1|30|1|15");
  const Account& t = client().ticketAccount;
  EXPECT_TRUE(client().ticketFound);
  EXPECT_EQ(t.password, "pass");
  EXPECT_EQ(t.scheme, "Day");
  EXPECT_EQ(t.registrationDate, "01/01/2026");
  EXPECT_EQ(t.totalHours, 5);
  EXPECT_EQ(t.usedMinutes, 30);
  EXPECT_EQ(t.alreadyLoggedIn, 1);
  EXPECT_EQ(t.minimumMinutes, 15);
}

TEST_F(AccountReplies, RepliesFromAnotherComputerAreDropped) {
  auto intruder = c.h.network.host("PC-13", "10.0.0.13").createSocket();
  intruder->sendTo("10.0.0.7", 45668, "1|forged|Gold|a|b|99|0|0|0|0|0|0");
  c.h.backend.advance(10);
  EXPECT_FALSE(client().memberReplied);
}

}  // namespace
}  // namespace tavimo
