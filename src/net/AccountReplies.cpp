#include "net/AccountReplies.h"

#include <vector>

#include "core/ClientContext.h"
#include "net/Message.h"
#include "util/Convert.h"
#include "util/Text.h"

namespace tavimo {

namespace {
// Takes the reply's fields in order into typed fields; a missing field or one that does not
// convert leaves its target as it was.
class Fields {
 public:
  Fields(const std::string& datagram, std::size_t count, bool trimmed) : fields_(messageFields(datagram, count)), trimmed_(trimmed) {}

  Fields& operator>>(std::string& target) {
    if (const std::string* text = next()) target = *text;
    return *this;
  }
  Fields& operator>>(std::int16_t& target) { return convert(target, toInteger); }
  Fields& operator>>(std::uint8_t& target) { return convert(target, toByte); }
  Fields& operator>>(double& target) { return convert(target, toDouble); }

 private:
  const std::string* next() {
    if (at_ >= fields_.size()) return nullptr;
    std::string& field = fields_[at_++];
    if (trimmed_) field = trim(field);
    return &field;
  }
  template <class T, class Conversion>
  Fields& convert(T& target, Conversion conversion) {
    if (const std::string* text = next())
      if (auto value = conversion(*text)) target = *value;
    return *this;
  }
  std::vector<std::string> fields_;
  bool trimmed_;
  std::size_t at_ = 0;
};
}  // namespace

void takeMemberReply(const std::string& datagram) {
  ClientContext& c = client();
  c.memberReplied = true;
  if (messageCode(datagram) != '1') return;
  c.memberFound = true;
  Account& a = c.memberAccount;
  Fields(datagram, 11, false) >> a.password >> a.scheme >> a.registrationDate >> a.expiryDate >> a.totalHours >>
      a.totalMinutes >> a.usedHours >> a.usedMinutes >> a.amount >> a.alreadyLoggedIn >> a.minimumMinutes;
}

void takeTicketReply(const std::string& datagram) {
  if (messageCode(datagram) != '1') return;
  ClientContext& c = client();
  c.ticketFound = true;
  Account& a = c.ticketAccount;
  Fields(datagram, 10, true) >> a.password >> a.scheme >> a.registrationDate >> a.expiryDate >> a.totalHours >>
      a.totalMinutes >> a.usedHours >> a.usedMinutes >> a.alreadyLoggedIn >> a.minimumMinutes;
}

}  // namespace tavimo
