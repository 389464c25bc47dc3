#include "net/listener.h"

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "lockdown/Settings.h"
#include "lockdown/forNT.h"
#include "lockdown/mSubClass.h"
#include "lockdown/mdlkill.h"
#include "login/SessionWindows.h"
#include "login/frmstart.h"
#include "net/Ports.h"
#include "net/SettingsTransfer.h"
#include "net/frmSocks.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/SystemInfo.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "session/Functions.h"
#include "session/TimerWindow.h"
#include "session/TimerWindows.h"
#include "session/frmClock.h"
#include "session/frmOrders.h"
#include "session/message.h"
#include "util/clsSytemInfo.h"

namespace tavimo {

namespace {
constexpr int addressInUse = 10048;

double windowsVersion() { return clsSytemInfo().strWinversion(); }
bool nobodyLoggedIn() { return client().loginKind.empty(); }
bool inCustomerSession() {
  const std::string& kind = client().loginKind;
  return kind == "memb" || kind == "gust" || kind == "tket";
}
bool always() { return true; }
bool notInCustomerSession() { return !inCustomerSession(); }
bool blocksInput() { return windowsVersion() >= 4.1; }
bool settingsFromServer() { return stored::read(stored::SecSetting).asBool().value_or(false) && nobodyLoggedIn(); }
bool guestSessionInterrupted() { return stored::readText(stored::UserId) == "guest" && nobodyLoggedIn(); }

// The login screen's Enter with the guest's name and password, as a guest would type them.
void logInAsGuest() {
  frmstart& screen = rt::app().form<frmstart>();
  screen.txtlog.setText("guest");
  screen.txtpas.setText(client().guestPassword);
  screen.cmdsubt_Click();
}

// Wine's own desktop is a process called explorer.exe too, in the system folder: ending it
// would end every window of the session, the client's included, so there the desktop stays
// and the others end.
std::string shellThatStays() {
  if (!platform().systemInfo->wine()) return {};
  return clsSytemInfo().strWinsysdir() + "\\explorer.exe";
}
}  // namespace

struct listener::Command {
  char code;
  bool (*allowed)();
  void (listener::*run)(const std::string& text);
};

// In the order the server's documentation lists them; each code is exact, case included.
const listener::Command listener::commands[] = {
    {'1', always, &listener::message},
    {'h', nobodyLoggedIn, &listener::resumeGuest},
    {'2', blocksInput, &listener::blockInput},
    {'3', blocksInput, &listener::unblockInput},
    {'4', nobodyLoggedIn, &listener::guestLogin},
    {'5', inCustomerSession, &listener::logOut},
    {'6', always, &listener::setRateType},
    {'7', nobodyLoggedIn, &listener::liftSecurity},
    {'8', settingsFromServer, &listener::downloadSettings},
    {'9', notInCustomerSession, &listener::shutDown},
    {'0', notInCustomerSession, &listener::restart},
    {'p', inCustomerSession, &listener::pause},
    {'t', inCustomerSession, &listener::resume},
    {'s', always, &listener::askDuration},
    {'n', always, &listener::skipDuration},
    {'c', guestSessionInterrupted, &listener::continueGuest},
    {'l', always, &listener::askName},
    {'g', always, &listener::skipName},
    {'x', notInCustomerSession, &listener::closeClient},
};

listener::listener() : Form("listener") {
  setCaption("listener");
  Timer1.setInterval(500);
  Timer1.setEnabled(false);
  lbllist.setCaption("Listener");
  Winsockls.onDataArrival = [this](long) { command(Winsockls.getData()); };
}

// Without the socket the client takes no commands, but it goes on.
void listener::onLoad() {
  Winsockls.setRemoteHost(client().serverName);
  Winsockls.setRemotePort(ports::serverCommands);
  if (auto error = Winsockls.bind(ports::Winsockls)) {
    if (error->number == addressInUse)
      rt::msgBox(error->description + "\r\nRemote oprations may not work on this client system",
                 rt::mb::OkOnly | rt::mb::Critical);
    else
      rt::msgBox(error->description, rt::mb::OkOnly | rt::mb::Exclamation);
  }
}

void listener::command(const std::string& datagram) {
  if (!datagram.empty()) {
    for (const Command& c : commands) {
      if (c.code != datagram[0]) continue;
      if (c.allowed()) (this->*c.run)(datagram);
      break;
    }
  }
  rt::app().doEvents();
}

void listener::message(const std::string& text) {
  client().pendingMessage = text.substr(1);
  showAdministratorMessage();
}

// "h<login time>|<elapsed>|<amount>": the amount takes the rest, "|" included; a part that
// is missing is empty.
void listener::resumeGuest(const std::string& text) {
  const std::string fields = text.substr(1);
  const std::size_t first = fields.find('|');
  std::string loginTime, elapsed, amount = fields;
  if (first != std::string::npos) {
    loginTime = fields.substr(0, first);
    const std::string rest = fields.substr(first + 1);
    const std::size_t second = rest.find('|');
    elapsed = second == std::string::npos ? std::string() : rest.substr(0, second);
    amount = second == std::string::npos ? rest : rest.substr(second + 1);
  }
  stored::write(stored::UserId, "guest");
  stored::write(stored::LoginTime, loginTime);
  stored::write(stored::Elapsed, elapsed);
  stored::write(stored::Amount, amount);
  stored::write(stored::Continue, 1);
  stored::write(stored::GuestName, "");
  rt::app().form<frmstart>().optchoice[0].setValue(true);
  logInAsGuest();
}

void listener::blockInput(const std::string&) {
  rt::app().doEvents();
  platform().desktop->blockInput(true);
}

void listener::unblockInput(const std::string&) {
  rt::app().doEvents();
  platform().desktop->blockInput(false);
}

void listener::guestLogin(const std::string&) { logInAsGuest(); }

void listener::logOut(const std::string&) {
  if (TimerWindow* window = runningTimerWindow()) window->logout();
}

void listener::setRateType(const std::string& text) { stored::write(stored::RateType, text.size() > 2 ? text.substr(2) : ""); }

// Installer blocking stays: only the remove-settings page lifts it.
void listener::liftSecurity(const std::string&) {
  removeExplorerSecurity();
  removeProgramRestrictions();
  removeSiteBlocker();
  removeSystemSecurity();
  appsetting();
}

void listener::downloadSettings(const std::string&) {
  client().settingsStep = 1;
  auto& sockets = rt::app().form<frmSocks>();
  sockets.doConnect(sockets.Csetting, ports::serverSettings, settingsRequest("sys"));
}

void listener::shutDown(const std::string&) {
  goOffline();
  if (windowsVersion() >= 5)
    shutdownWindows(true);
  else
    platform().desktop->exitWindows(ewx::Shutdown);
  closeAllForms();
}

void listener::restart(const std::string&) {
  goOffline();
  if (windowsVersion() >= 5)
    restartWindows(true);
  else
    platform().desktop->exitWindows(ewx::Reboot);
  closeAllForms();
}

void listener::pause(const std::string&) {
  if (TimerWindow* window = runningTimerWindow()) window->pauseSession();
}

void listener::resume(const std::string&) {
  if (TimerWindow* window = runningTimerWindow()) window->resumeSession();
}

void listener::askDuration(const std::string&) { stored::write(stored::SecuredLogin, 1); }
void listener::skipDuration(const std::string&) { stored::write(stored::SecuredLogin, 0); }
void listener::askName(const std::string&) { stored::write(stored::lgnName, 1); }
void listener::skipName(const std::string&) { stored::write(stored::lgnName, 0); }

void listener::continueGuest(const std::string&) {
  stored::write(stored::Continue, 1);
  logInAsGuest();
}

void listener::closeClient(const std::string&) {
  goOffline();
  closeAllForms();
}

// The server learns that this computer goes off line; the session backup is no longer needed.
void listener::goOffline() {
  ClientContext& c = client();
  rt::App& app = rt::app();
  setTaskbar(1);
  c.sendBuffer = "0|" + c.pcName;
  auto& sockets = app.form<frmSocks>();
  sockets.doConnect(sockets.wskComputer, ports::serverReports, c.sendBuffer);
  app.doEvents();
  platform().files->remove(c.backupFile);
  if (app.isLoaded<frmstart>()) app.form<frmstart>().unload();
  if (app.isLoaded<frmSocks>()) app.form<frmSocks>().unload();
  if (app.isLoaded<frmClock>()) app.form<frmClock>().unload();
  if (app.isLoaded<frmOrders>()) app.form<frmOrders>().unload();
}

void listener::appsetting() {
  rt::App& app = rt::app();
  if (windowsVersion() >= 5) {
    if (app.isLoaded<frmControl>()) app.form<frmControl>().unload();
    app.form<frmstart>().show();
    killProcess("explorer.exe", shellThatStays());
    return;
  }
  app.doEvents();
  platform().desktop->exitWindows(ewx::Reboot);
  closeAllForms();
}

}  // namespace tavimo
