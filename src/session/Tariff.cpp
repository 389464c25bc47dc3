#include "session/Tariff.h"

#include <optional>
#include <string_view>
#include <vector>

#include "core/StoredState.h"
#include "util/Convert.h"
#include "util/inimodule.h"

namespace tavimo {

namespace {

Tariff state;

// A price, only when it fits the single-precision amount it is added to: a larger one would
// turn the guest's amount into infinity.
std::optional<double> toPrice(std::string_view text) {
  if (!toSingle(text)) return std::nullopt;
  return toDouble(text);
}

std::vector<std::string> splitAtCommas(const std::string& text) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
    entries.push_back(text.substr(start, comma - start));
  entries.push_back(text.substr(start));
  return entries;
}

// Sets the fields from the list's first entries; a field without an entry, or whose entry
// does not convert, keeps its value.
template <typename Field, std::size_t N, typename Convert>
void takeList(const std::string& list, std::array<Field, N>& fields, Convert convert) {
  const std::vector<std::string> entries = splitAtCommas(list);
  for (std::size_t i = 0; i < N && i < entries.size(); ++i)
    if (auto value = convert(entries[i])) fields[i] = *value;
}

// The section RateType names: its text without the terminator, " " when it held nothing but
// the terminator, and "1" when there is no RateType at all.
std::string rateSection() {
  const Variant value = stored::read(stored::RateType);
  std::string section = value.asText();
  if (section.empty()) return "1";
  if (value.isText()) section.pop_back();
  return section.empty() ? " " : section;
}

// Blocks after the first hour. A block is 1 to 255 minutes long: a min of 0, or one that is no
// such number, has no block boundary to charge at, so the block charge and length stay as
// they were, together.
void takeBlocks(const std::string& file, const std::string& section, Tariff& t) {
  const auto length = toByte(readIni(file, section, "min"));
  if (!length || *length == 0) return;
  if (auto charge = toPrice(readIni(file, section, "charges"))) t.blockCharge = *charge;
  t.blockLength = *length;
}

}  // namespace

Tariff& tariff() { return state; }

void resetTariff() { state = Tariff(); }

void loadTariff() {
  const std::string file = stored::systemFile(stored::tariffFile);
  const std::string section = rateSection();
  Tariff& t = state;
  t.type = readIni(file, section, "type");
  if (!t.isSlotTariff()) {
    if (auto price = toPrice(readIni(file, section, "rates"))) t.flatRate = *price;
    t.blockLength = 1;
  } else {
    t.afterMode = readIni(file, section, "after");
    takeList(readIni(file, section, "rates"), t.rate, toPrice);
    takeList(readIni(file, section, "slots"), t.slot, toByte);
    if (t.chargesBlocks()) takeBlocks(file, section, t);
  }
  t.tariffLoaded = true;
}

}  // namespace tavimo
