#pragma once
// The value a registry read gives and a write takes: nothing, a text or a 32-bit number, with
// the conversions the callers apply to it.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace tavimo {

class Variant {
 public:
  Variant() = default;
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(std::int32_t number) : value_(number) {}

  bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
  bool isText() const { return std::holds_alternative<std::string>(value_); }
  bool isNumber() const { return std::holds_alternative<std::int32_t>(value_); }

  // Empty gives "", a number its decimal text, a text itself (a terminator read from the
  // registry included).
  std::string asText() const;
  // Empty gives 0; a text converts as util/Convert.h reads numbers (up to its terminator);
  // nothing when the text is no number.
  std::optional<double> asNumber() const;
  // As asNumber, rounded halves to even and within 32 bits.
  std::optional<std::int32_t> asLong() const;
  // Empty gives false, a number is true unless 0, a text converts as util/Convert.h reads
  // truth values; nothing when the text is neither a number nor a truth word.
  std::optional<bool> asBool() const;

  bool operator==(const Variant&) const = default;

 private:
  std::variant<std::monostate, std::string, std::int32_t> value_;
};

}  // namespace tavimo
