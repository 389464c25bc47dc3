#include "session/frmtimer2.h"

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "net/Ports.h"
#include "net/frmSocks.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "session/Functions.h"
#include "session/Tariff.h"
#include "session/timemsg.h"
#include "util/Convert.h"
#include "util/Text.h"
#include "util/clsSytemInfo.h"

namespace tavimo {

namespace {
const TimerWindowKind guestWindow{"frmtimer2", "lbltmr2", 10, 1, "", true};
constexpr int amountHiddenFlag = 11;

bool flagSet(int number) { return stored::read(stored::panelFlag(number)).asBool().value_or(false); }

// "h:m:s": the number before the first ":", the one up to the second, then the rest. A part
// that is no number counts as 0.
void parseElapsed(const std::string& text, Billing& b) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string::npos ? std::string::npos : text.find(':', first + 1);
  auto part = [&text](std::size_t from, std::size_t to) -> std::int16_t {
    if (from > text.size()) return 0;
    return toInteger(text.substr(from, to == std::string::npos ? std::string::npos : to - from)).value_or(0);
  };
  b.hours = part(0, first);
  b.minutes = first == std::string::npos ? 0 : part(first + 1, second);
  b.seconds = second == std::string::npos ? 0 : part(second + 1, std::string::npos);
}

std::optional<std::int16_t> storedNumber(const stored::Value& value) { return toInteger(trim(stored::readText(value))); }
}  // namespace

frmtimer2::frmtimer2() : TimerWindow(guestWindow) {
  Lblamountt.setCaption("Amount : ");
  lblamt.setFont(lbltimer.font());
  lblamt.setForeColor(lbltimer.foreColor());
  fraSa.setBorder(false);
  fraSa.setBackColor(fraQl.backColor());
  Combo1.setStyle(rt::ComboStyle::DropDownList);
  Combo1.addItem("Alarm On");
  Combo1.addItem("Alarm Off");
  Combo1.setContainer(&fraSa);
  Combo1.onClick = [this] { stored::write(stored::Remind, Combo1.listIndex() == 0 ? "1" : "0"); };
  addTab("KQl", "Launch", fraQl);
  addTab("KSa", "Alarm", fraSa);
  addTab("KSt", "Settings", fraSt);
  addTab("KOs", "Orders n Help", fraOr);
  layOut({{&lbllogint, &lbltimer}, {&lbltl, &lbltimer2}, {&Lblamountt, &lblamt}, {&lbllogout, &lbltimer3}});
  Combo1.move(120, 300, 2400, 315);
}

void frmtimer2::onLoad() {
  platform().desktop->raisePriority();
  startCounting();
  billing_.amount = 0;
  billing_.blockCounter = 0;
  startSession();
  saveProgress();
  timeLimit_ = storedNumber(stored::TimeLimit).value_or(timeLimit_);
  client().pendingMessage.clear();
  writeSessionRecord();
  setTrayClock(0);
  announceTrayIcon();
  reportSession();
  // The backup taken before the record was written still holds the session before this one:
  // a crash in this session's first minute would bring that back and report it.
  saveProgress();
  slotPrices_ = slotPrices(tariff());
  offerKeepOnTop();
  Combo1.setListIndex(0);
  fillPrograms();
}

void frmtimer2::startSession() {
  billing_.base = 0;
  continueFlag_ = toInteger(stored::read(stored::Continue).asText().substr(0, 1)).value_or(0);
  if (continueFlag_ == 1) {
    resumeStoredSession();
  } else if (continueFlag_ == 0) {
    billing_.hours = billing_.minutes = billing_.seconds = 0;
    showElapsed(0, 0, 0);
    lbltimer.setCaption(now());
    lblamt.setCaption("0");
  }
}

// The server continues an interrupted session: its time goes on from the stored elapsed time,
// its amount from the stored amount rounded to a whole number (halves to even).
void frmtimer2::resumeStoredSession() {
  previousAmount_ = stored::readText(stored::Amount);
  parseElapsed(stored::readText(stored::Elapsed), billing_);
  const auto base = toInteger(trim(previousAmount_));
  if (base) billing_.base = static_cast<float>(*base);
  lblamt.setCaption(moneyText(billing_.base));
  billing_.amount = billing_.base;
  showElapsed(billing_.hours, billing_.minutes, billing_.seconds);
  lbltimer.setCaption(stored::readText(stored::LoginTime));
}

void frmtimer2::onActivate() {
  TimerWindow::onActivate();
  if (flagSet(amountHiddenFlag)) {
    Lblamountt.setVisible(false);
    lblamt.setVisible(false);
  }
}

// A limit counts the whole session, hours included, so that one of 60 minutes or more ends it.
std::int16_t frmtimer2::wholeMinutes() const { return static_cast<std::int16_t>(billing_.hours * 60 + billing_.minutes); }

void frmtimer2::secondPassed() {
  billing_.seconds += 1;
  showElapsed(billing_.hours, billing_.minutes, billing_.seconds);
  // What the previous second computed: the amount shown lags the charge by one second.
  lblamt.setCaption(moneyText(billing_.amount));
  timeLimit_ = storedNumber(stored::TimeLimit).value_or(timeLimit_);
  if (timeLimit_ > 0) reminderMinute_ = static_cast<std::int16_t>(timeLimit_ - 2);
  const bool remind = toDouble(trim(stored::readText(stored::Remind))).value_or(0) != 0;
  if (remind && timeLimit_ > 0 && wholeMinutes() == reminderMinute_ && wholeMinutes() != 0 && billing_.seconds == 1)
    rt::app().form<timemsg>().show();
  const ChargeResult charged = chargeStep(tariff(), slotPrices_, billing_);
  billing_ = charged.billing;
  if (charged.minuteRolledOver) saveProgress();
  if (!client().pendingMessage.empty()) Label5.setEnabled(true);
  if (timeLimit_ > 0 && timeLimit_ == wholeMinutes()) logout();
}

void frmtimer2::writeProgress() {
  TimerWindow::writeProgress();
  stored::write(stored::Amount, lblamt.caption());
}

// The charge of the session: all of it when it started here, what it added when it resumed.
void frmtimer2::reportEnd() {
  const ClientContext& c = client();
  std::string charge;
  if (continueFlag_ != 0)
    charge = "|Old|" + moneyText(static_cast<float>(billing_.amount - toDouble(previousAmount_).value_or(0)));
  else
    charge = "|New|" + moneyText(billing_.amount);
  auto& sockets = rt::app().form<frmSocks>();
  sockets.doConnect(sockets.wskGuest, ports::serverGuest, "1|" + c.pcName + charge);
}

}  // namespace tavimo
