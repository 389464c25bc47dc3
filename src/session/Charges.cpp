#include "session/Charges.h"

#include <cstddef>

namespace tavimo {

namespace {

// At the last second of a minute the next minute starts; seconds goes to -1 so that the
// timer's next advance shows 0.
bool rollMinute(Billing& b) {
  if (b.seconds < 59) return false;
  b.minutes += 1;
  b.seconds = -1;
  return true;
}

void completeHour(Billing& b) {
  b.hours += 1;
  b.base = b.amount;
  b.minutes = 0;
}

// Blocks (and a flat tariff's minutes, blocks of one minute): the charge of the running block
// on top of everything before it. When the block length does not divide the hour, the hour's
// end also starts a block.
bool chargeBlock(const Tariff& tariff, double charge, Billing& b) {
  const bool rolled = rollMinute(b);
  if (rolled) b.blockCounter += 1;
  if (b.minutes >= 60) completeHour(b);
  if (b.blockCounter == tariff.blockLength) {
    b.blockCounter = 0;
    b.base = b.amount;
  }
  b.amount = static_cast<float>(charge) + b.base;
  return rolled;
}

// The hour's price is that of the slot the minute lies in. Minutes are not blocks, so the
// block counter stays where it is and the first block starts exactly at the first hour.
bool slotStep(const Tariff& tariff, const SlotPrices& prices, Billing& b) {
  const bool rolled = rollMinute(b);
  const int minute = b.minutes;
  int slotStart = 0;
  for (std::size_t k = 0; k < prices.size(); ++k) {
    // Every slot is tried, so that on a boundary the later one wins.
    if (slotStart <= minute && minute <= tariff.slot[k]) b.amount = b.hours == 0 ? prices[k] : b.base + prices[k];
    slotStart = tariff.slot[k];
  }
  if (b.minutes > 59) completeHour(b);
  return rolled;
}

}  // namespace

SlotPrices slotPrices(const Tariff& tariff) {
  SlotPrices prices;
  for (std::size_t k = 0; k < prices.size(); ++k) prices[k] = static_cast<float>(tariff.rate[k]);
  return prices;
}

ChargeResult chargeStep(const Tariff& tariff, const SlotPrices& prices, Billing billing) {
  ChargeResult result{billing};
  if (!tariff.isSlotTariff())
    result.minuteRolledOver = chargeBlock(tariff, tariff.flatRate, result.billing);
  else if (tariff.chargesBlocks() && billing.hours >= 1)
    result.minuteRolledOver = chargeBlock(tariff, tariff.blockCharge, result.billing);
  else
    result.minuteRolledOver = slotStep(tariff, prices, result.billing);
  return result;
}

}  // namespace tavimo
