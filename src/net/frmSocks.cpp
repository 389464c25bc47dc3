#include "net/frmSocks.h"

#include <utility>

#include "core/ClientContext.h"
#include "core/CloseCheck.h"
#include "core/StoredState.h"
#include "core/frmconnection.h"
#include "net/AccountReplies.h"
#include "net/Message.h"
#include "net/Ports.h"
#include "net/SettingsTransfer.h"
#include "net/TariffTransfer.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "session/Functions.h"
#include "session/frmClock.h"
#include "util/Convert.h"

namespace tavimo {

namespace {
constexpr const char* statusTimedOut = "Tavimo Server is not reachable, request timed out";

void setStatus(const std::string& text) {
  if (rt::app().isLoaded<frmconnection>()) rt::app().form<frmconnection>().Label1.setCaption(text);
}

// The next start asks for the server's name again.
void forgetServerName() {
  stored::write(stored::TVSSpec, 0);
  stored::write(stored::TVServer, "");
}

// Gives the taskbar back and ends the program.
[[noreturn]] void closeClient() {
  setTaskbar(1);
  UnloadAll();
  rt::app().end();
}
}  // namespace

frmSocks::frmSocks() : Form("frmSocks") {
  setCaption("Sockets");
  Timer1.setInterval(30000);
  Timer1.setEnabled(false);
  Timer2.setInterval(20000);
  Timer2.setEnabled(false);
  svrTimer1.setEnabled(false);
  wskServer.onDataArrival = [this](long) { wskServer_DataArrival(); };
  wskServer.onError = [this](const rt::SocketError&) { wskServer_Error(); };
  wskMember.onDataArrival = [this](long) { takeMemberReply(wskMember.getData()); };
  wskTicket.onDataArrival = [this](long) { takeTicketReply(wskTicket.getData()); };
  wskGuest.onDataArrival = [this](long) { wskGuest_DataArrival(); };
  Csetting.onDataArrival = [this](long) { Csetting_DataArrival(); };
  Timer2.onTimer = [this] { Timer2_Timer(); };
}

void frmSocks::onLoad() {
  const std::pair<rt::UdpSocket*, std::uint16_t> bindings[] = {
      {&wskServer, ports::wskServer}, {&wskComputer, ports::wskComputer}, {&wskGuest, ports::wskGuest},
      {&wskMember, ports::wskMember}, {&wskTicket, ports::wskTicket},     {&Csetting, ports::Csetting},
  };
  for (auto [socket, port] : bindings) {
    if (auto error = socket->bind(port)) {
      rt::msgBox(error->description, rt::mb::OkOnly);
      rt::app().end();
    }
  }
}

void frmSocks::doSvrconnect() {
  ClientContext& c = client();
  c.serverReplied = false;
  wskServer.setRemoteHost(c.serverName);
  wskServer.setRemotePort(ports::serverHello);
  wskServer.sendData(c.sendBuffer);
  if (Cnt <= 3) {
    Csetting.setRemoteHost(c.serverName);
    Csetting.setRemotePort(ports::serverSettings);
    Csetting.sendData("");
  }
  Timer2.setEnabled(true);
}

void frmSocks::doConnect(rt::UdpSocket& socket, std::int32_t port, const std::string& message) {
  client().serverReplied = false;
  socket.setRemoteHost(client().serverName);
  socket.setRemotePort(port);
  if (auto error = socket.sendData(message)) rt::msgBox(error->description, rt::mb::OkOnly);
}

void frmSocks::wskServer_DataArrival() {
  std::string data = wskServer.getData();
  char code = messageCode(data);
  if (code != '1' && code != '2') return;
  ClientContext& c = client();
  Timer2.setEnabled(false);
  auto fields = messageFields(data, 6);
  std::string* targets[] = {&c.adminPassword, &c.managerPassword, &c.guestPassword, &c.currencyName, nullptr, &c.serverTime};
  for (std::size_t i = 0; i < fields.size(); ++i)
    if (targets[i]) *targets[i] = fields[i];
  if (fields.size() > 4) {
    if (auto date = toDate(fields[4])) c.serverDate = dateText(*date);
    stored::write(stored::PreviousDate, c.serverDate);
  }
  rt::app().form<frmClock>();
  c.serverReplied = true;

  if (code == '1' && c.startupPhase) {
    setStatus("Server Found");
    rt::app().sleep(1000);
    if (rt::app().isLoaded<frmconnection>()) rt::app().form<frmconnection>().unload();
    startLogin();
    c.startupPhase = false;
  }
}

// The tariff transfer; its acknowledgements go straight back to the server's guest port.
void frmSocks::wskGuest_DataArrival() {
  const auto reply = takeTariffDatagram(wskGuest.getData());
  if (!reply) return;
  wskGuest.setRemoteHost(client().serverName);
  wskGuest.setRemotePort(ports::serverGuest);
  wskGuest.sendData(*reply);
}

// The settings download; its acknowledgements go straight back to the server's settings port.
void frmSocks::Csetting_DataArrival() {
  const auto reply = takeSettingsDatagram(Csetting.getData());
  if (!reply) return;
  Csetting.setRemoteHost(client().serverName);
  Csetting.setRemotePort(ports::serverSettings);
  Csetting.sendData(*reply);
}

void frmSocks::Timer2_Timer() {
  if (!client().startupPhase) return;
  for (;;) {
    setStatus(statusTimedOut);
    if (rt::app().isLoaded<frmconnection>()) rt::app().form<frmconnection>().Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    if (closeCheck()) {
      forgetServerName();
      closeClient();
    }
    rt::msgBox("Invalid Password", rt::mb::OkOnly | rt::mb::Information);
  }
}

void frmSocks::wskServer_Error() {
  if (!client().startupPhase) return;
  rt::msgBox("The Tavimo Server is not reachable", rt::mb::OkOnly | rt::mb::Exclamation);
  if (rt::msgBox("Do you want to reconnect", rt::mb::YesNo | rt::mb::Question) == rt::mb::Yes) {
    Timer2.setEnabled(false);
    wskServer.close();
    setStatus("Searching Tavimo Server...");
    wskServer.setRemoteHost("");
    wskServer.setRemotePort(1);
    doSvrconnect();
    return;
  }
  Timer2.setEnabled(false);
  forgetServerName();
  if (closeCheck()) closeClient();
  rt::msgBox("Invalid Password", rt::mb::OkOnly | rt::mb::Information);
  setStatus(statusTimedOut);
  Timer2.setEnabled(true);
}

void UnloadAll() {
  std::vector<rt::Form*> forms = rt::app().forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it)
    if (rt::app().isLoaded(**it) && (*it)->caption() != "Login mode") (*it)->unload();
}

}  // namespace tavimo
