// The tariff file as stored in the system folder (the first part) and the session's RateType
// (the second part, if any), loaded as a finished transfer loads it; then a guest session of
// two hours and five minutes is billed from it, second by second, as the guest timer does.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "session/Charges.h"
#include "util/Convert.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  const auto parts = fuzzing::partsOf(data, size);
  f.pc.files.writeAll(stored::systemFile(stored::tariffFile), parts[0]);
  if (parts.size() > 1) stored::write(stored::RateType, parts[1]);
  loadTariff();
  const SlotPrices prices = slotPrices(tariff());
  Billing billing;
  for (int second = 0; second < (2 * 60 + 5) * 60; ++second) {
    billing.seconds += 1;
    billing = chargeStep(tariff(), prices, billing).billing;
    moneyText(billing.amount);
  }
  return 0;
}
