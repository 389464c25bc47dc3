#include "login/frmstart.h"

#include <algorithm>
#include <cctype>

#include "core/ClientContext.h"
#include "core/CloseCheck.h"
#include "core/StoredState.h"
#include "login/GuestTimerStart.h"
#include "login/LoginTexts.h"
#include "login/SessionWindows.h"
#include "login/frmtimeselect.h"
#include "session/frmmemprof.h"
#include "net/Ports.h"
#include "net/frmSocks.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "session/Functions.h"
#include "session/SavKey.h"
#include "session/Tariff.h"
#include "util/Text.h"

namespace tavimo {

namespace {
constexpr const char* loggingIn = "Status: Logging in...";
constexpr const char* loginSuccessful = "Status: Login Successful";
constexpr int pollLimit = 20;  // ticks of 500 ms: the 21st gives up

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

frmstart::frmstart() : Form("frmstart") {
  setCaption("Login Mode");
  setBorderStyle(rt::BorderStyle::None);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::Manual);
  setBackColor(rt::rgb(250, 250, 246));

  lblLogin.setCaption("Login");
  lblPassword.setCaption("Password");
  cmdsubt.setCaption("&Enter");
  cmdsubt.setToolTipText("Enter");
  cmdsubt.setEnabled(false);
  cmdcan.setCaption("&Cancel");
  cmdcan.setToolTipText("Cancel");
  lblStatus.setCaption("Status:");
  txtpas.setPasswordChar('*');
  for (rt::Control* c : std::initializer_list<rt::Control*>{&lblLogin, &txtlog, &lblPassword, &txtpas, &cmdsubt, &cmdcan, &lblStatus})
    c->setContainer(&framlogin);
  lblmsg.setCaption("Sorry:");
  cmdmessage.setCaption("&Ok");
  lblmsg.setContainer(&frammessage);
  // What went wrong must be read at a glance from the chair.
  lblmsg.setFont({"MS Sans Serif", 12, true});
  lblmsg.setForeColor(rt::rgb(172, 10, 0));
  lblmsg.setAlignment(rt::Alignment::Center);
  cmdmessage.setContainer(&frammessage);
  frammessage.setVisible(false);
  const char* choices[] = {"User", "Manager", "Administrator"};
  for (int i = 0; i < 3; ++i) optchoice[i].setCaption(choices[i]);
  optchoice[0].setValue(true);
  const char* captions[] = {"Previous user details:", "User :", "Date :", "Usage :", "Charges :"};
  for (int i = 0; i < 5; ++i) info[i].setCaption(captions[i]);
  Image1.setContainer(&Frame1);
  Frame1.setBorder(false);
  // The café's own texts: an "&" in them is meant as itself.
  for (rt::Label& text : Label3) text.setUseMnemonic(false);
  Label3[0].setFont({"Impact", 24});
  Label3[1].setFont({"Times New Roman", 14, true});
  layOut();

  for (rt::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) {
    t->setInterval(500);
    t->setEnabled(false);
  }
  Timer4.setInterval(1000);
  stimer1.setInterval(50);
  stimer1.setEnabled(false);

  cmdsubt.onClick = [this] { cmdsubt_Click(); };
  cmdcan.onClick = [this] { cmdcan_Click(); };
  cmdmessage.onClick = [this] { hideMessage(); };
  txtlog.onGotFocus = [this] { txtlog.selectAll(); };
  txtpas.onGotFocus = [this] { txtpas.selectAll(); };
  txtlog.onKeyPress = [this](int& key) {
    if (key != rt::key::Return) return;
    key = 0;
    focusNext();
  };
  txtpas.onKeyPress = [this](int& key) {
    if (key != rt::key::Return) return;
    key = 0;
    focusNext();
    if (cmdsubt.enabled()) cmdsubt_Click();
  };
  txtpas.onChange = [this] { cmdsubt.setEnabled(!txtpas.text().empty()); };
  Timer1.onTimer = [this] { Timer1_Timer(); };
  Timer2.onTimer = [this] { Timer2_Timer(); };
  Timer3.onTimer = [this] { Timer3_Timer(); };
  Timer4.onTimer = [this] { Timer4_Timer(); };
  stimer1.onTimer = [this] { platform().desktop->setTopmost(hWnd(), true); };
}

// The whole screen (every monitor): the café's picture and texts on the left, the login and
// the previous user's details on the right; the message frame takes the login frame's place.
void frmstart::layOut() {
  rt::PictureSize screen = rt::app().backend().screenSize();
  move(0, 0, screen.width, screen.height);
  const int right = screen.width - 6600;
  Label3[0].move(600, 480, right - 1200, 720);
  Label3[1].move(600, screen.height - 2400, right - 1200, 1560);
  Frame1.move(600, 1440, right - 1200, screen.height - 4200);
  framlogin.setCaption("Login");
  framlogin.move(right, 1440, 6000, 2880);
  lblLogin.move(360, 480, 1200, 285);
  txtlog.move(1680, 420, 3960, 360);
  lblPassword.move(360, 1020, 1200, 285);
  txtpas.move(1680, 960, 3960, 360);
  cmdsubt.move(1680, 1560, 1800, 450);
  cmdcan.move(3840, 1560, 1800, 450);
  lblStatus.move(360, 2280, 5280, 285);
  frammessage.move(right, 1440, 6000, 2880);
  lblmsg.move(360, 600, 5280, 900);
  cmdmessage.move(2100, 1800, 1800, 450);
  for (int i = 0; i < 3; ++i) optchoice[i].move(right + i * 2000, 4500, 1900, 300);
  // The details line up with the text boxes of the login frame above them.
  info[0].move(right, 5160, 6000, 285);
  for (int i = 1; i < 5; ++i) info[i].move(right, 5160 + i * 360, 1560, 285);
  rt::Label* details[] = {&lblUser, &lblDate, &lblUsage, &lblCharges};
  for (int i = 0; i < 4; ++i) details[i]->move(right + 1680, 5520 + i * 360, 4320, 285);
  info[0].setFont({"MS Sans Serif", 8.25, true});
  lblComputer.move(right, screen.height - 840, 6000, 285);
}

void frmstart::onLoad() {
  const std::string& backup = client().backupFile;
  if (platform().files->exists(backup)) {
    restoreKey(stored::timersKey.path, backup, stored::timersKey.hive);
    platform().files->remove(backup);
  }
  loadSessionRecord();
  sendSessionReport('1');
  stored::write(stored::Status, 0);
  stored::write(stored::Continue, 0);
  omxFlexolo1.call("SaveControlPositions");
}

void frmstart::onResize() { omxFlexolo1.call("Resize"); }

void frmstart::onActivate() {
  ClientContext& c = client();
  txtlog.setText("");
  txtpas.setText("");
  c.loginId.clear();
  c.pendingMessage.clear();
  c.loginKind.clear();
  setTaskbar(0);
  Label3[0].setForeColor(rt::rgb(172, 10, 0));
  Label3[1].setForeColor(rt::rgb(1, 153, 17));
  showPreviousUser();
  loadLoginTexts(Label3[0], Label3[1]);
  // Customers and staff ask for this computer's name when they call for help.
  lblComputer.setCaption("Computer: " + c.pcName);
  if (c.slotExpired) {
    showMessage();
    lblmsg.setCaption("Your time slot has expired.");
    c.slotExpired = false;
  }
  stimer1.setEnabled(true);
  showPicture();
  lblStatus.setCaption("");
  txtlog.setFocus();
}

// The café's picture, centred in its place; one larger than the place (a small screen) is
// shown smaller, whole and in proportion, rather than cut off.
void frmstart::showPicture() {
  Image1.setStretch(false);
  const std::string picture = stored::readText(stored::LoginScr);
  if (picture.empty()) {
    Image1.clearPicture();
    return;
  }
  if (!Image1.loadPicture(picture)) return;
  const double scale = std::clamp(std::min(static_cast<double>(Frame1.width()) / Image1.width(),
                                           static_cast<double>(Frame1.height()) / Image1.height()),
                                  0.0, 1.0);
  const int width = static_cast<int>(Image1.width() * scale);
  const int height = static_cast<int>(Image1.height() * scale);
  Image1.setStretch(scale < 1.0);
  Image1.move((Frame1.width() - width) / 2, (Frame1.height() - height) / 2, width, height);
}

void frmstart::showMessage() {
  frammessage.setVisible(true);
  framlogin.setVisible(false);
  cmdmessage.setFocus();
}

// The field a failure named could not take the focus behind the message: it takes it now,
// so the customer types straight into it again.
void frmstart::hideMessage() {
  lblmsg.setCaption("");
  frammessage.setVisible(false);
  framlogin.setVisible(true);
  retryField_->setFocus();
  retryField_ = &txtlog;
}

void frmstart::cmdcan_Click() {
  if (txtlog.text().empty() && txtpas.text().empty()) return;
  txtlog.setText("");
  txtpas.setText("");
  txtlog.setFocus();
}

void frmstart::cmdsubt_Click() {
  ClientContext& c = client();
  lblStatus.setVisible(true);
  lblStatus.setCaption(loggingIn);
  c.startupPhase = false;
  c.serverReplied = false;
  c.sendBuffer = "0|" + c.pcName;
  rt::app().form<frmSocks>().doSvrconnect();
  pollCount_ = 0;
  Timer1.setEnabled(true);
}

void frmstart::Timer1_Timer() {
  if (++pollCount_ > pollLimit) {
    serverTimedOut();
    return;
  }
  const ClientContext& c = client();
  if (!c.serverReplied) return;
  Timer1.setEnabled(false);
  const std::string& name = txtlog.text();
  const std::string& password = txtpas.text();
  if (name == "administrator") {
    if (password == c.adminPassword)
      loginAsStaff("admn");
    else
      fail("Invalid Password", txtpas);
  } else if (name == "manager") {
    // A flag that does not read as a truth value fails its test, which refuses too.
    auto disabled = stored::read(stored::panelFlag(7)).asBool();
    if (!disabled || *disabled)
      fail("Invalid Login", txtlog);
    else if (password == c.managerPassword)
      loginAsStaff("mgr");
    else
      fail("Invalid Password", txtpas);
  } else if (lowerCase(trim(name)) == "guest") {
    if (password == c.guestPassword)
      requestTariff();
    else
      fail("Invalid Password", txtpas);
  } else {
    requestAccount(!name.empty() && std::isdigit(static_cast<unsigned char>(name[0])));
  }
}

void frmstart::loginAsStaff(const std::string& kind) {
  ClientContext& c = client();
  lblStatus.setCaption(loginSuccessful);
  rt::app().sleep(1000);
  c.loginId = txtlog.text();
  c.loginKind = kind;
  setTaskbar(1);
  stimer1.setEnabled(false);
  leaveTopmost();
  hide();
  rt::app().form<frmControl>().show();
}

void frmstart::requestTariff() {
  ClientContext& c = client();
  tariff().tariffLoaded = false;
  c.sendBuffer = "0|" + c.pcName + "|rates";
  auto& sockets = rt::app().form<frmSocks>();
  sockets.doConnect(sockets.wskGuest, ports::serverGuest, c.sendBuffer);
  Timer2.setEnabled(true);
}

void frmstart::requestAccount(bool ticket) {
  ClientContext& c = client();
  auto& sockets = rt::app().form<frmSocks>();
  c.sendBuffer = "0|" + c.pcName + "|" + txtlog.text();
  if (ticket) {
    stimer1.setEnabled(false);
    leaveTopmost();
    c.ticketFound = false;
    sockets.doConnect(sockets.wskTicket, ports::serverTicket, c.sendBuffer);
    Timer4.setEnabled(true);
  } else {
    c.memberReplied = false;
    c.memberFound = false;
    sockets.doConnect(sockets.wskMember, ports::serverMember, c.sendBuffer);
    Timer3.setEnabled(true);
  }
}

void frmstart::Timer2_Timer() {
  if (!tariff().tariffLoaded) return;
  ClientContext& c = client();
  Timer2.setEnabled(false);
  lblStatus.setCaption(loginSuccessful);
  c.loginId = "guest";
  c.loginKind = "gust";
  c.slotExpired = false;
  c.userLabel = "guest";
  auto flag = [](const stored::Value& value) { return stored::read(value).asLong() == 1; };
  c.guestAsksDuration = flag(stored::SecuredLogin);
  c.guestAsksName = flag(stored::lgnName);
  stimer1.setEnabled(false);
  leaveTopmost();
  if (c.guestAsksDuration || c.guestAsksName)
    rt::app().form<frmtimeselect>().show();
  else
    startGuestTimer();
}

void frmstart::Timer3_Timer() {
  const ClientContext& c = client();
  if (!c.memberReplied) return;
  Timer3.setEnabled(false);
  if (!c.memberFound)
    fail("Invalid Login", txtlog);
  else if (txtpas.text() != c.memberAccount.password)
    fail("Invalid password", txtpas);
  else if (c.memberAccount.alreadyLoggedIn)
    alreadyLoggedIn();
  else
    accountAccepted(false);
}

// One second after the request: a later reply does not count.
void frmstart::Timer4_Timer() {
  const ClientContext& c = client();
  Timer4.setEnabled(false);
  if (!c.ticketFound)
    fail("Invalid Login", txtlog);
  else if (trim(c.ticketAccount.password) != trim(txtpas.text()))
    fail("Invaid password", txtpas);
  else if (c.ticketAccount.alreadyLoggedIn)
    alreadyLoggedIn();
  else
    accountAccepted(true);
}

void frmstart::accountAccepted(bool ticket) {
  ClientContext& c = client();
  lblStatus.setCaption(loginSuccessful);
  c.userLabel = ticket ? "ticket" : "member";
  c.loginId = txtlog.text();
  c.loginKind = ticket ? "tket" : "memb";
  c.slotExpired = false;
  stimer1.setEnabled(false);
  leaveTopmost();
  rt::app().form<frmmemprof>().show();
}

void frmstart::alreadyLoggedIn() {
  showMessage();
  lblmsg.setCaption("You are already logged in");
  lblStatus.setCaption("");
  txtlog.setText("");
  txtpas.setText("");
  txtlog.setFocus();
}

void frmstart::fail(const std::string& message, rt::TextBox& field) {
  showMessage();
  lblmsg.setCaption(message);
  lblStatus.setCaption("");
  field.setFocus();
  field.selectAll();
  retryField_ = &field;
}

void frmstart::serverTimedOut() {
  pollCount_ = 0;
  Timer1.setEnabled(false);
  lblStatus.setVisible(false);
  // The screen steps out of the topmost layer while it asks, or it would cover its own
  // questions and the password window and the computer would seem to hang.
  stimer1.setEnabled(false);
  leaveTopmost();
  rt::msgBox("Cannot Login!, Tavimo Server is not reachable", rt::mb::OkOnly | rt::mb::Information);
  if (rt::msgBox("Do you want to close Tavimo Client now", rt::mb::YesNo | rt::mb::Question) != rt::mb::Yes) {
    stimer1.setEnabled(true);
    txtlog.setText("");
    txtpas.setText("");
    txtlog.setFocus();
    return;
  }
  if (closeCheck()) {
    setTaskbar(1);
    UnloadAll();
    rt::app().end();
  }
  stimer1.setEnabled(true);
  showMessage();
  lblmsg.setCaption("Invalid Password");
  framlogin.setVisible(true);
  txtlog.setText("");
  txtpas.setText("");
  txtpas.setFocus();
}

void frmstart::leaveTopmost() { platform().desktop->setTopmost(hWnd(), false); }

}  // namespace tavimo
