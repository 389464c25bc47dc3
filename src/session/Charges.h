#pragma once
// How a guest's amount grows with the session's time: one step per second, priced by the
// tariff's slots within an hour, by blocks after it, or per started minute, in single precision.
#include <array>
#include <cstdint>

#include "session/Tariff.h"

namespace tavimo {

// What the guest timer keeps from one second to the next.
struct Billing {
  float amount = 0;
  float base = 0;                 // the amount at the end of the last completed hour or block
  std::int16_t blockCounter = 0;  // minutes since the last block boundary
  std::int16_t hours = 0;
  std::int16_t minutes = 0;
  std::int16_t seconds = 0;
};

// The slot prices, taken from the tariff when the guest timer opens and kept for its session.
using SlotPrices = std::array<float, 4>;
SlotPrices slotPrices(const Tariff& tariff);

struct ChargeResult {
  Billing billing;
  bool minuteRolledOver = false;  // a minute was completed: the timer saves the session record
};

// One second of a guest session, run after the timer has advanced seconds by one. At the
// 59th second the minute is completed (seconds becomes -1, so the next advance shows 0), and
// at the 60th minute the hour. A slot tariff prices the first hour (and, unless it charges
// blocks, every hour) by the slot the minute lies in, the later slot on a boundary; blocks
// are charged on their first second, and so is every started minute of a flat tariff.
ChargeResult chargeStep(const Tariff& tariff, const SlotPrices& prices, Billing billing);

}  // namespace tavimo
