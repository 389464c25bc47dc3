#pragma once
// Member and ticket accounts: the client asks for one by name and compares the password
// itself, so the server answers with the whole record, or "0|" when it knows no such name.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavimo::devserver {

enum class AccountKind { member, ticket };

const char* accountKindName(AccountKind kind);

// The fields of a record in the order of the reply; a member has eleven, a ticket ten.
namespace field {
constexpr std::size_t password = 0;
constexpr std::size_t usedHours = 6;
constexpr std::size_t usedMinutes = 7;
}  // namespace field

struct Account {
  std::string name;
  std::vector<std::string> fields;
};

class AccountBook {
 public:
  // Adds an account from its fields separated by "|" (blanks around each field are
  // removed). Gives the reason when the record is not usable; nothing is added then.
  std::optional<std::string> add(AccountKind kind, std::string_view name,
                                 std::string_view fieldsText);
  // The account of that name: case and surrounding blanks of the name do not matter.
  const Account* find(AccountKind kind, std::string_view name) const;
  // What the client changes in an account: a member's password, the time used after a
  // session. Gives the reason when there is no such account or the value does not fit the
  // field; nothing changes then.
  std::optional<std::string> update(AccountKind kind, std::string_view name, std::size_t field, std::string value);
  std::size_t size(AccountKind kind) const;

 private:
  std::map<std::string, Account>& accounts(AccountKind kind);
  const std::map<std::string, Account>& accounts(AccountKind kind) const;
  std::map<std::string, Account> members_;
  std::map<std::string, Account> tickets_;
};

// "1|" and the record's fields joined by "|", or "0|" for no account.
std::string accountReply(const Account* account);

}  // namespace tavimo::devserver
