#pragma once
// The timer window of a prepaid account, a member's or a ticket's: no money, but the time
// used on the account counts with the session, which ends by itself when the account's time
// is used up or the account has expired. At a confirmed logout the server learns the time
// used, with a session shorter than the account's minimum booked as the minimum.
#include <cstdint>

#include "core/ClientContext.h"
#include "net/frmSocks.h"
#include "session/TimerWindow.h"
#include "util/Convert.h"

namespace tavimo {

// What sets a member's window apart from a ticket holder's.
struct AccountKind {
  TimerWindowKind window;
  Account ClientContext::*account;
  Date ClientContext::*expiry;
  rt::UdpSocket frmSocks::*socket;  // where the usage report goes, and to which port
  std::uint16_t port;
  const char* reportTag;  // after the computer's name in the usage report
};

class AccountTimerWindow : public TimerWindow {
 public:
  rt::Label Label2{*this, "Label2"};

  // The time used on the account, as the usage report will carry it.
  std::int16_t usedHours() const { return usedHours_; }
  std::int16_t usedMinutes() const { return usedMinutes_; }

 protected:
  explicit AccountTimerWindow(const AccountKind& kind);

  void onLoad() override;
  void secondPassed() override;
  void reportEnd() override;
  void beforeLogout() override;

 private:
  bool accountEnded() const;

  const AccountKind& account_;
  std::int16_t hours_ = 0, minutes_ = 0, seconds_ = 0;
  std::int16_t usedHours_ = 0, usedMinutes_ = 0;
  std::int16_t initialUsedHours_ = 0, initialUsedMinutes_ = 0;
  std::int16_t minimumMinutes_ = 0;
  double totalMinutes_ = 0;
  double usedTotal_ = 0;
};

// The member's timer.
class frmtimer : public AccountTimerWindow {
 public:
  frmtimer();
  void hideFrm2() { hideFrm(); }
};

// The ticket holder's timer.
class frmtimer3 : public AccountTimerWindow {
 public:
  frmtimer3();
  void hideFrm3() { hideFrm(); }
};

}  // namespace tavimo
