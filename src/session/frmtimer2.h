#pragma once
// The guest's timer window: the session's time and amount, billed second by second with the
// tariff, a reminder two minutes before the guest's chosen limit and the logout at it, and a
// session that the server asked to continue resumed from its stored time and amount.
#include <cstdint>
#include <string>

#include "runtime/ListControls.h"
#include "session/Charges.h"
#include "session/TimerWindow.h"

namespace tavimo {

class frmtimer2 : public TimerWindow {
 public:
  frmtimer2();

  rt::Label Lblamountt{*this, "Lblamountt"};
  rt::Label lblamt{*this, "lblamt"};
  rt::Frame fraSa{*this, "fraSa"};
  rt::ComboBox Combo1{*this, "Combo1"};

 protected:
  void onLoad() override;
  void onActivate() override;
  void secondPassed() override;
  void writeProgress() override;
  void reportEnd() override;

 private:
  void startSession();
  void resumeStoredSession();
  std::int16_t wholeMinutes() const;

  Billing billing_;
  SlotPrices slotPrices_{};
  std::int16_t timeLimit_ = 0;
  std::int16_t reminderMinute_ = 0;
  std::int16_t continueFlag_ = 0;
  std::string previousAmount_;
};

}  // namespace tavimo
