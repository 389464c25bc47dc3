#include <gtest/gtest.h>

#include "core/Accounts.h"

namespace tavimo::devserver {
namespace {

constexpr const char* anna = "12345 | Gold | 01/15/2024 | 12/31/2030 | 20 | 0 | 2 | 15 | 150 | 0 | 15";
constexpr const char* ticket1001 = "t1001|One hour|01/15/2024|12/31/2030|1|0|0|0|0|0";

TEST(DevServerAccounts, RepliesCarryTheFieldsInOrderWithoutBlanksAround) {
  AccountBook book;
  ASSERT_EQ(book.add(AccountKind::member, "anna", anna), std::nullopt);
  ASSERT_EQ(book.add(AccountKind::ticket, "1001", ticket1001), std::nullopt);
  EXPECT_EQ(accountReply(book.find(AccountKind::member, "anna")),
            "1|12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15");
  EXPECT_EQ(accountReply(book.find(AccountKind::ticket, "1001")),
            "1|t1001|One hour|01/15/2024|12/31/2030|1|0|0|0|0|0");
  EXPECT_EQ(accountReply(nullptr), "0|");
}

TEST(DevServerAccounts, NamesAreFoundInAnyCaseAndWithBlanksAround) {
  AccountBook book;
  ASSERT_EQ(book.add(AccountKind::member, "Anna", anna), std::nullopt);
  EXPECT_NE(book.find(AccountKind::member, "anna"), nullptr);
  EXPECT_NE(book.find(AccountKind::member, " ANNA "), nullptr);
  EXPECT_EQ(book.find(AccountKind::member, "ann"), nullptr);
  EXPECT_EQ(book.find(AccountKind::ticket, "anna"), nullptr);  // members are not tickets
}

TEST(DevServerAccounts, UnusableRecordsAreRefusedWithTheReason) {
  const struct {
    AccountKind kind;
    const char* name;
    const char* fields;
    const char* reason;
  } cases[] = {
      {AccountKind::member, "bob", "pw|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0",
       "member \"bob\" has 10 fields, expected 11 separated by |"},
      {AccountKind::ticket, "1001", "pw|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15",
       "ticket \"1001\" has 11 fields, expected 10 separated by |"},
      {AccountKind::member, "bob", "pw|Gold|2024-01-15|12/31/2030|20|0|2|15|150|0|15",
       "member \"bob\": registration date \"2024-01-15\" must be a date mm/dd/yyyy"},
      {AccountKind::member, "bob", "pw|Gold|01/15/2024|12/31/2030|40000|0|2|15|150|0|15",
       "member \"bob\": total hours \"40000\" must be a whole number from 0 to 32767"},
      {AccountKind::member, "bob", "pw|Gold|01/15/2024|12/31/2030|20|-1|2|15|150|0|15",
       "member \"bob\": total minutes \"-1\" must be a whole number from 0 to 32767"},
      {AccountKind::member, "bob", "pw|Gold|01/15/2024|12/31/2030|20|0|2|15|1,50|0|15",
       "member \"bob\": amount \"1,50\" must be a decimal number such as 150 or 12.5"},
      {AccountKind::member, "bob", "pw|Gold|01/15/2024|12/31/2030|20|0|2|15|150|yes|15",
       "member \"bob\": logged in \"yes\" must be 0 or 1"},
      {AccountKind::ticket, "abc", ticket1001, "ticket number \"abc\" must start with a digit"},
      {AccountKind::member, "9lives", anna,
       "member name \"9lives\" starts with a digit: the client would ask for it as a ticket"},
      {AccountKind::member, "  ", anna, "an account needs a name"},
  };
  for (const auto& c : cases) {
    AccountBook book;
    EXPECT_EQ(book.add(c.kind, c.name, c.fields), c.reason);
    EXPECT_EQ(book.size(c.kind), 0u);
  }
}

TEST(DevServerAccounts, ANameListedTwiceIsRefused) {
  AccountBook book;
  ASSERT_EQ(book.add(AccountKind::member, "anna", anna), std::nullopt);
  EXPECT_EQ(book.add(AccountKind::member, "ANNA", anna), "member \"ANNA\" is listed twice");
  EXPECT_EQ(book.size(AccountKind::member), 1u);
}

}  // namespace
}  // namespace tavimo::devserver
