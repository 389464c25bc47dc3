#include "session/frmmempaschng.h"

#include "core/ClientContext.h"
#include "lockdown/mdlClipcursor.h"
#include "net/Ports.h"
#include "net/frmSocks.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "session/frmmemprof.h"

namespace tavimo {

namespace {
constexpr int longestPassword = 8;
constexpr int waitLimit = 20;  // ticks of 500 ms: the 21st gives up on the server
}  // namespace

frmmempaschng::frmmempaschng() : Form("frmmempaschng") {
  setCaption("Member Password Modification");
  setBorderStyle(rt::BorderStyle::FixedDialog);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::CenterScreen);
  setClientSize(4680, 2610);

  const std::pair<rt::Label*, rt::TextBox*> rows[] = {{&lblOld, &txtpas}, {&lblNew, &txtnpas}, {&lblConfirm, &txtcpas}};
  const char* captions[] = {"Old Password", "New Password", "Confirm Password"};
  for (int i = 0; i < 3; ++i) {
    rows[i].first->setCaption(captions[i]);
    rows[i].first->move(240, 285 + i * 480, 1560, 255);
    rt::TextBox& box = *rows[i].second;
    box.move(1920, 240 + i * 480, 2520, 330);
    box.setMaxLength(longestPassword);
    box.setPasswordChar('*');
    box.onKeyPress = [this](int& key) {
      if (key != rt::key::Return) return;
      key = 0;
      focusNext();
    };
  }
  lbllog.setCaption("Note: Maximum  Password Length : 8 chars");
  lbllog.move(240, 1680, 4200, 255);
  cmdpassave.setCaption("&Save");
  cmdpassave.setEnabled(false);
  cmdpassave.move(1920, 2040, 1200, 390);
  cmdcancel3.setCaption("&Cancel");
  cmdcancel3.move(3240, 2040, 1200, 390);
  Timer1.setInterval(1);
  Timer2.setInterval(500);
  Timer2.setEnabled(false);

  txtcpas.onChange = [this] { cmdpassave.setEnabled(!txtcpas.text().empty()); };
  cmdpassave.onClick = [this] { cmdpassave_Click(); };
  cmdcancel3.onClick = [this] { cmdcancel3_Click(); };
  Timer1.onTimer = [this] { platform().desktop->setTopmost(hWnd(), true); };
  Timer2.onTimer = [this] { Timer2_Timer(); };
}

void frmmempaschng::onActivate() {
  confineCursor(*this);
  returnToAccount_ = true;
}

void frmmempaschng::leaveTopmost() {
  Timer1.setEnabled(false);
  platform().desktop->setTopmost(hWnd(), false);
}

void frmmempaschng::tell(const char* text, int style) {
  leaveTopmost();
  rt::msgBox(text, style);
}

void frmmempaschng::refuse(const char* text, rt::TextBox& field) {
  tell(text, rt::mb::OkOnly | rt::mb::Exclamation);
  confineCursor(*this);
  Timer1.setEnabled(true);
  field.setFocus();
  field.selectAll();
}

bool frmmempaschng::validt() {
  if (txtpas.text() != client().memberAccount.password) {
    refuse("Invalid Old Passward", txtpas);
    return false;
  }
  if (txtnpas.text().empty()) {
    tell("Passward cannot be blank", rt::mb::OkOnly | rt::mb::Exclamation);
    Timer1.setEnabled(true);
    txtnpas.setFocus();
    return false;
  }
  if (txtcpas.text() != txtnpas.text()) {
    refuse("Reconfirm Password", txtcpas);
    return false;
  }
  return true;
}

// The probe first: its answer shows the server can be reached.
void frmmempaschng::cmdpassave_Click() {
  if (!validt()) return;
  ClientContext& c = client();
  c.startupPhase = false;
  c.serverReplied = false;
  c.sendBuffer = "0|" + c.pcName;
  rt::app().form<frmSocks>().doSvrconnect();
  Timer1.setEnabled(false);
  Timer2.setEnabled(true);
}

void frmmempaschng::Timer2_Timer() {
  if (++waitCounter_ > waitLimit) {
    Timer2.setEnabled(false);
    tell("Password cannot be changed, Tavimo Server is unreachable", rt::mb::OkOnly | rt::mb::Information);
    confineCursor(*this);
    returnToAccount_ = false;
    unload();
    return;
  }
  ClientContext& c = client();
  if (!c.serverReplied) return;
  Timer2.setEnabled(false);
  auto& sockets = rt::app().form<frmSocks>();
  sockets.doConnect(sockets.wskMember, ports::serverMember, "1|" + c.pcName + "|pwdchng|" + c.loginId + "|" + txtcpas.text());
  // The customer is told the change took; a second change in this session must then
  // accept the new password as the old one.
  c.memberAccount.password = txtcpas.text();
  rt::app().sleep(2000);
  rt::app().doEvents();
  returnToAccount_ = true;
  tell("Password successfully changed", rt::mb::OkOnly | rt::mb::Information);
  unload();
}

void frmmempaschng::cmdcancel3_Click() {
  if (txtpas.text().empty()) {
    unload();
    return;
  }
  for (rt::TextBox* box : {&txtpas, &txtnpas, &txtcpas}) box->setText("");
}

// Without the account to go back to (the server could not be reached), the login screen
// takes over, locked again as after "E&xit".
void frmmempaschng::onUnload(bool&) {
  releaseCursor();
  if (!rt::app().isLoaded<frmmemprof>()) return;
  if (returnToAccount_)
    rt::app().form<frmmemprof>().show();
  else
    rt::app().form<frmmemprof>().unload();
}

}  // namespace tavimo
