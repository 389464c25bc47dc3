#include "core/MessageNotes.h"

#include <initializer_list>
#include <vector>

#include "core/Datagram.h"
#include "core/Ports.h"

namespace tavimo::devserver {
namespace {

struct MessageShape {
  std::uint16_t port;
  char code;                 // '\0': the empty datagram
  std::size_t tagField;      // with `tag`: the field that tells messages of one code apart
  const char* tag;           // nullptr: any
  const char* title;
  std::vector<const char*> labels;  // one per field; the last takes all that remains
};

const std::vector<const char*> sessionReportLabels = {
    "pc", "status", "date", "user", "label", "elapsed", "amount",
    "login", "logout", "rate_type", "address"};

const std::vector<MessageShape>& shapes() {
  static const std::vector<MessageShape> table = {
      {port::reports, '0', 0, nullptr, "computer-off notice", {"pc"}},
      {port::reports, '1', 0, nullptr, "session report (previous session)", sessionReportLabels},
      {port::reports, '2', 0, nullptr, "session report", sessionReportLabels},
      {port::guest, '1', 1, "New", "guest charge, new session", {"pc", "kind", "amount"}},
      {port::guest, '1', 1, "Old", "guest charge, resumed session", {"pc", "kind", "added"}},
      {port::member, '1', 1, "savmem", "member usage report",
       {"pc", "kind", "member", "used_hours", "used_minutes", "zero", "used_up"}},
      {port::member, '1', 1, "pwdchng", "member password change",
       {"pc", "kind", "member", "new_password"}},
      {port::ticket, '1', 0, nullptr, "ticket usage report",
       {"pc", "ticket", "used_hours", "used_minutes", "zero", "used_up"}},
      {port::orders, '1', 0, nullptr, "item list request", {"pc"}},
      {port::help, '1', 0, nullptr, "help request", {"pc"}},
      {port::settings, '\0', 0, nullptr, "settings request (sent with every hello and probe)", {}},
  };
  return table;
}

std::string labelledFields(const MessageShape& shape, std::string_view text) {
  std::string note = shape.title;
  if (shape.labels.empty()) return note;
  note += ":";
  const auto fields = datagramFields(text, shape.labels.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {
    note += std::string(" ") + shape.labels[i] + "=\"" + printable(fields[i]) + "\"";
  }
  if (fields.size() < shape.labels.size()) {
    note += " (short: " + std::to_string(fields.size()) + " of " +
            std::to_string(shape.labels.size()) + " fields)";
  }
  return note;
}

// "2|Coffee,2|Sandwich,1|PC01": the items, each name and quantity, then the computer name.
std::string orderNote(std::string_view text) {
  auto fields = datagramFields(text);
  std::string note = "order from \"" + printable(fields.empty() ? "" : fields.back()) + "\":";
  if (fields.size() < 2) return note + " no items";
  fields.pop_back();
  for (const auto& item : fields) {
    const auto comma = item.rfind(',');
    if (comma == std::string::npos) {
      note += " \"" + printable(item) + "\" (no quantity)";
    } else {
      note += " \"" + printable(item.substr(0, comma)) + "\" x " + printable(item.substr(comma + 1));
    }
    note += ";";
  }
  note.pop_back();
  return note;
}

}  // namespace

std::optional<std::string> messageNote(std::uint16_t port, std::string_view text) {
  const char code = datagramCode(text);
  if (port == port::orders && code == '2') return orderNote(text);
  for (const auto& shape : shapes()) {
    if (shape.port != port || shape.code != code) continue;
    if (shape.tag != nullptr) {
      const auto fields = datagramFields(text, shape.tagField + 2);
      if (fields.size() <= shape.tagField || fields[shape.tagField] != shape.tag) continue;
    }
    return labelledFields(shape, text);
  }
  return std::nullopt;
}

}  // namespace tavimo::devserver
