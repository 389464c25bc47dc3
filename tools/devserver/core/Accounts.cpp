#include "core/Accounts.h"

#include <cctype>
#include <charconv>
#include <span>

#include "core/ClockText.h"
#include "core/TextTools.h"

namespace tavimo::devserver {
namespace {

enum class FieldKind { text, date, count, decimal, flag };

struct FieldSpec {
  const char* label;
  FieldKind kind;
};

// The reply's field order; the client reads the counts as 16-bit integers and the
// logged-in flag as a byte.
constexpr FieldSpec memberFields[] = {
    {"password", FieldKind::text},          {"scheme", FieldKind::text},
    {"registration date", FieldKind::date}, {"expiry date", FieldKind::date},
    {"total hours", FieldKind::count},      {"total minutes", FieldKind::count},
    {"used hours", FieldKind::count},       {"used minutes", FieldKind::count},
    {"amount", FieldKind::decimal},         {"logged in", FieldKind::flag},
    {"minimum minutes", FieldKind::count},
};
constexpr FieldSpec ticketFields[] = {
    {"password", FieldKind::text},          {"scheme", FieldKind::text},
    {"registration date", FieldKind::date}, {"expiry date", FieldKind::date},
    {"total hours", FieldKind::count},      {"total minutes", FieldKind::count},
    {"used hours", FieldKind::count},       {"used minutes", FieldKind::count},
    {"logged in", FieldKind::flag},         {"minimum minutes", FieldKind::count},
};

std::span<const FieldSpec> fieldSpecs(AccountKind kind) {
  if (kind == AccountKind::member) return memberFields;
  return ticketFields;
}

bool wholeNumberUpTo(const std::string& text, long maximum) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0 &&
         value <= maximum;
}

// Plain decimal notation ("150", "-2", "12.5"): what every client locale reads back alike.
bool decimalNumber(const std::string& text) {
  std::size_t at = text.starts_with('-') ? 1 : 0;
  std::size_t digits = 0;
  bool point = false;
  for (; at < text.size(); ++at) {
    if (text[at] >= '0' && text[at] <= '9') {
      ++digits;
    } else if (text[at] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits > 0;
}

// Why the field cannot be sent as it is, or nothing.
std::optional<std::string> fieldProblem(const FieldSpec& spec, const std::string& value) {
  switch (spec.kind) {
    case FieldKind::text:
      return std::nullopt;
    case FieldKind::date:
      if (normalDateText(value) == value) return std::nullopt;
      return std::string("must be a date mm/dd/yyyy");
    case FieldKind::count:
      if (wholeNumberUpTo(value, 32767)) return std::nullopt;
      return std::string("must be a whole number from 0 to 32767");
    case FieldKind::decimal:
      if (decimalNumber(value)) return std::nullopt;
      return std::string("must be a decimal number such as 150 or 12.5");
    case FieldKind::flag:
      if (value == "0" || value == "1") return std::nullopt;
      return std::string("must be 0 or 1");
  }
  return std::nullopt;
}

}  // namespace

const char* accountKindName(AccountKind kind) {
  return kind == AccountKind::member ? "member" : "ticket";
}

std::optional<std::string> AccountBook::add(AccountKind kind, std::string_view name,
                                            std::string_view fieldsText) {
  const std::string key = lowerCase(trimmed(name));
  if (key.empty()) return "an account needs a name";
  // The client takes a login name that starts with a digit for a ticket number.
  const bool startsWithDigit = std::isdigit(static_cast<unsigned char>(key.front())) != 0;
  if (kind == AccountKind::ticket && !startsWithDigit) {
    return "ticket number \"" + std::string(trimmed(name)) + "\" must start with a digit";
  }
  if (kind == AccountKind::member && startsWithDigit) {
    return "member name \"" + std::string(trimmed(name)) +
           "\" starts with a digit: the client would ask for it as a ticket";
  }
  if (accounts(kind).contains(key)) {
    return std::string(accountKindName(kind)) + " \"" + std::string(trimmed(name)) +
           "\" is listed twice";
  }
  const auto specs = fieldSpecs(kind);
  Account account{std::string(trimmed(name)), {}};
  for (const auto& field : splitAt(fieldsText, '|')) account.fields.emplace_back(trimmed(field));
  if (account.fields.size() != specs.size()) {
    return std::string(accountKindName(kind)) + " \"" + account.name + "\" has " +
           std::to_string(account.fields.size()) + " fields, expected " +
           std::to_string(specs.size()) + " separated by |";
  }
  for (std::size_t i = 0; i < specs.size(); ++i) {
    if (auto problem = fieldProblem(specs[i], account.fields[i])) {
      return std::string(accountKindName(kind)) + " \"" + account.name + "\": " +
             specs[i].label + " \"" + account.fields[i] + "\" " + *problem;
    }
  }
  accounts(kind).emplace(key, std::move(account));
  return std::nullopt;
}

const Account* AccountBook::find(AccountKind kind, std::string_view name) const {
  const auto& book = accounts(kind);
  const auto found = book.find(lowerCase(trimmed(name)));
  return found == book.end() ? nullptr : &found->second;
}

std::optional<std::string> AccountBook::update(AccountKind kind, std::string_view name, std::size_t field,
                                               std::string value) {
  const auto found = accounts(kind).find(lowerCase(trimmed(name)));
  if (found == accounts(kind).end()) return std::string("no such ") + accountKindName(kind);
  const FieldSpec& spec = fieldSpecs(kind)[field];
  if (auto problem = fieldProblem(spec, value)) return std::string(spec.label) + " \"" + value + "\" " + *problem;
  found->second.fields[field] = std::move(value);
  return std::nullopt;
}

std::size_t AccountBook::size(AccountKind kind) const { return accounts(kind).size(); }

std::map<std::string, Account>& AccountBook::accounts(AccountKind kind) {
  return kind == AccountKind::member ? members_ : tickets_;
}

const std::map<std::string, Account>& AccountBook::accounts(AccountKind kind) const {
  return kind == AccountKind::member ? members_ : tickets_;
}

std::string accountReply(const Account* account) {
  if (account == nullptr) return "0|";
  std::string reply = "1";
  for (const auto& field : account->fields) reply += "|" + field;
  return reply;
}

}  // namespace tavimo::devserver
