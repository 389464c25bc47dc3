#include "session/AccountTimerWindow.h"

#include "core/StoredState.h"
#include "net/Ports.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "session/Functions.h"

namespace tavimo {

namespace {
const AccountKind memberKind{{"frmtimer", "lbltmr", 9, 2, " ", false},
                             &ClientContext::memberAccount, &ClientContext::memberExpiry,
                             &frmSocks::wskMember, ports::serverMember, "|savmem"};
const AccountKind ticketKind{{"frmtimer3", "lbltmr", 9, 3, " ", false},
                             &ClientContext::ticketAccount, &ClientContext::ticketExpiry,
                             &frmSocks::wskTicket, ports::serverTicket, ""};
}  // namespace

frmtimer::frmtimer() : AccountTimerWindow(memberKind) {}
frmtimer3::frmtimer3() : AccountTimerWindow(ticketKind) {}

AccountTimerWindow::AccountTimerWindow(const AccountKind& kind) : TimerWindow(kind.window), account_(kind) {
  lbllogint.setCaption("Login Time: ");
  Label2.setCaption("Close");
  Label2.setVisible(false);
  addTab("KQl", "Launch", fraQl);
  addTab("KSt", "Settings", fraSt);
  addTab("KOs", "Orders n Help", fraOr);
  layOut({{&lbllogint, &lbltimer}, {&lbltl, &lbltimer2}, {&lbllogout, &lbltimer3}});
}

void AccountTimerWindow::onLoad() {
  ClientContext& c = client();
  platform().desktop->raisePriority();
  startCounting();
  hours_ = minutes_ = seconds_ = 0;
  showElapsed(0, 0, 0);
  lbltimer.setCaption(now());
  lbltimer3.setCaption("");
  saveProgress();
  writeSessionRecord();
  const Account& account = c.*account_.account;
  totalMinutes_ = account.totalHours * 60.0 + account.totalMinutes;
  usedHours_ = initialUsedHours_ = account.usedHours;
  usedMinutes_ = initialUsedMinutes_ = account.usedMinutes;
  minimumMinutes_ = account.minimumMinutes;
  usedTotal_ = usedHours_ * 60.0 + usedMinutes_;
  // The server writes its dates month first, whatever this computer's regional settings.
  if (auto expiry = toDate(account.expiryDate)) c.*account_.expiry = *expiry;
  c.accountUsedUp = false;
  c.slotExpired = false;
  setTrayClock(0);
  announceTrayIcon();
  reportSession();
  // The backup taken before the record was written still holds the session before this one:
  // a crash in this session's first minute would bring that back and report it.
  saveProgress();
  offerKeepOnTop();
  fillPrograms();
}

// Used up, or the café's date has reached the expiry date. A server date that does not read
// as a date cannot tell the account expired.
bool AccountTimerWindow::accountEnded() const {
  if (usedTotal_ >= totalMinutes_) return true;
  const auto today = toDate(client().serverDate);
  return today && *today >= client().*account_.expiry;
}

void AccountTimerWindow::secondPassed() {
  ClientContext& c = client();
  seconds_ += 1;
  showElapsed(hours_, minutes_, seconds_);
  if (accountEnded()) {
    c.accountUsedUp = true;
    logout();
    return;
  }
  if (seconds_ >= 59) {
    minutes_ += 1;
    saveProgress();
    seconds_ = -1;
    if (++usedMinutes_ > 59) {
      usedHours_ += 1;
      usedMinutes_ = 0;
    }
  }
  if (minutes_ > 59) {
    hours_ += 1;
    minutes_ = 0;
  }
  usedTotal_ = usedHours_ * 60.0 + usedMinutes_;
  if (!c.pendingMessage.empty()) Label5.setEnabled(true);
}

// The keep-on-top timer stops and a waiting message is forgotten before the common steps.
void AccountTimerWindow::beforeLogout() {
  Timer2.setEnabled(false);
  client().pendingMessage.clear();
}

// A session shorter than the account's minimum is booked as the minimum on top of the time
// used before it, hours carried from the minutes.
void AccountTimerWindow::reportEnd() {
  ClientContext& c = client();
  if (!c.accountUsedUp && hours_ < 1 && minutes_ < minimumMinutes_) {
    const int booked = initialUsedHours_ * 60 + initialUsedMinutes_ + minimumMinutes_;
    usedHours_ = static_cast<std::int16_t>(booked / 60);
    usedMinutes_ = static_cast<std::int16_t>(booked % 60);
  }
  std::string flag = "0";
  c.slotExpired = c.accountUsedUp;
  if (c.accountUsedUp) {
    c.accountUsedUp = false;
    flag = "1";
  }
  const std::string usage = "1|" + c.pcName + account_.reportTag + "|" + c.loginId + "|" + std::to_string(usedHours_) +
                            "|" + std::to_string(usedMinutes_) + "|0|" + flag;
  auto& sockets = rt::app().form<frmSocks>();
  sockets.doConnect(sockets.*account_.socket, account_.port, usage);
}

}  // namespace tavimo
