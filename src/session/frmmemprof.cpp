#include "session/frmmemprof.h"

#include <string>

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "lockdown/frmBlocks.h"
#include "lockdown/mdlClipcursor.h"
#include "login/frmstart.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "session/AccountTimerWindow.h"
#include "session/Functions.h"
#include "session/frmmempaschng.h"
#include "util/Convert.h"

namespace tavimo {

namespace {
std::string timeText(int hours, int minutes) {
  return std::to_string(hours) + " Hr(s), " + std::to_string(minutes) + " Min(s)";
}
}  // namespace

frmmemprof::frmmemprof() : Form("frmmemprof") {
  setCaption("Member Account Details");
  setBorderStyle(rt::BorderStyle::FixedDialog);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::CenterScreen);
  setClientSize(5400, 3930);

  Label3.setCaption("Welcome");
  Label3.move(240, 180, 1000, 285);
  Label1.setFont({"MS Sans Serif", 9.75, true});
  Label1.move(1260, 150, 3900, 300);
  Frame1.setCaption("Account Status");
  Frame1.move(240, 600, 4920, 2520);
  const std::pair<rt::Label*, rt::Label*> rows[] = {
      {&lblSchemeCaption, &lblScheme}, {&lblttCaption, &lbltt},       {&lbltuCaption, &lbltu},
      {&lblamntCaption, &lblamnt},     {&lblrdateCaption, &lblrdate}, {&lbledateCaption, &lbledate}};
  const char* captions[] = {"Scheme: ", "Total Time:", "Time Used:", "Amount Left: ", "Registration Date:", "Expiry Date:"};
  for (int i = 0; i < 6; ++i) {
    rows[i].first->setCaption(captions[i]);
    rows[i].first->move(240, 360 + i * 330, 1680, 255);
    rows[i].second->move(1980, 360 + i * 330, 2760, 255);
    rows[i].second->setFont({"MS Sans Serif", 8.25, true});
    rows[i].first->setContainer(&Frame1);
    rows[i].second->setContainer(&Frame1);
  }
  Line2.setFillColor(rt::rgb(160, 160, 160));
  Line2.move(240, 3225, 4920, 15);
  Label4.setCaption("Change Password");
  Label4.setFont({"MS Sans Serif", 8.25, false, false, true});
  Label4.setForeColor(rt::rgb(0, 0, 192));
  Label4.setMousePointer(rt::MousePointer::Hand);
  Label4.move(240, 3390, 1800, 255);
  Command1.setCaption("&Ok");
  Command1.move(2640, 3330, 1200, 390);
  Command2.setCaption("E&xit");
  Command2.move(3960, 3330, 1200, 390);
  Timer1.setInterval(1);

  Timer1.onTimer = [this] { platform().desktop->setTopmost(hWnd(), true); };
  Command1.onClick = [this] {
    proceed_ = true;
    unload();
  };
  Command2.onClick = [this] {
    proceed_ = false;
    unload();
  };
  Label4.onClick = [this] { Label4_Click(); };
}

void frmmemprof::onActivate() {
  const ClientContext& c = client();
  confineCursor(*this);
  Label1.setCaption(c.loginId);
  const bool ticket = c.loginKind == "tket";
  if (c.loginKind != "memb" && !ticket) return;
  const Account& account = ticket ? c.ticketAccount : c.memberAccount;
  lbltt.setCaption(timeText(account.totalHours, account.totalMinutes));
  lblrdate.setCaption(account.registrationDate);
  lbledate.setCaption(account.expiryDate);
  if (ticket) {
    for (rt::Control* member : std::initializer_list<rt::Control*>{&lblamnt, &lblamntCaption, &Label4, &Line2})
      member->setVisible(false);
  } else {
    lblamnt.setCaption(decimalText(account.amount) + " " + c.currencyName);
  }
  lblScheme.setCaption(account.scheme);
  lbltu.setCaption(timeText(account.usedHours, account.usedMinutes));
}

void frmmemprof::onUnload(bool&) {
  rt::App& app = rt::app();
  if (proceed_) {
    app.form<frmstart>().hide();
    setTaskbar(1);
    if (stored::read(stored::Blocking).asBool().value_or(false)) app.form<frmBlocks>();
    if (client().loginKind == "memb") app.form<frmtimer>().show();
    if (client().loginKind == "tket") app.form<frmtimer3>().show();
  } else {
    app.form<frmstart>().show();
  }
  releaseCursor();
}

void frmmemprof::Label4_Click() {
  Timer1.setEnabled(false);
  platform().desktop->setTopmost(hWnd(), false);
  releaseCursor();
  rt::app().form<frmmempaschng>().show();
  hide();
}

}  // namespace tavimo
