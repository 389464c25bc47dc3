#include "util/Variant.h"

#include "util/Convert.h"

namespace tavimo {

std::string Variant::asText() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value_)) return std::to_string(*number);
  return {};
}

std::optional<double> Variant::asNumber() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return toDouble(*text);
  if (const auto* number = std::get_if<std::int32_t>(&value_)) return *number;
  return 0.0;
}

std::optional<std::int32_t> Variant::asLong() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return toLong(*text);
  if (const auto* number = std::get_if<std::int32_t>(&value_)) return *number;
  return 0;
}

std::optional<bool> Variant::asBool() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return toBool(*text);
  if (const auto* number = std::get_if<std::int32_t>(&value_)) return *number != 0;
  return false;
}

}  // namespace tavimo
