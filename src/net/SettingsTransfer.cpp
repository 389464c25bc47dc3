#include "net/SettingsTransfer.h"

#include <optional>

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "lockdown/serverblock.h"
#include "lockdown/serverexpo.h"
#include "lockdown/serverset.h"
#include "net/Message.h"
#include "net/Ports.h"
#include "net/ReceivedFile.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "runtime/App.h"

namespace tavimo {

namespace {

struct SettingsFile {
  const char* name;  // in the transfer
  const char* file;  // in the system folder
};
constexpr SettingsFile settingsFiles[] = {
    {"sys", stored::systemSecurityFile}, {"exp", stored::browserSecurityFile}, {"url", stored::websiteFile}};

ReceivedFile received;
// Where the last start with a known name pointed: a start with another name writes there.
std::optional<std::string> target;

void start(const std::string& name) {
  for (const SettingsFile& f : settingsFiles)
    if (name == f.name) target = stored::systemFile(f.file);
  if (target)
    received.start(*target);
  else
    received.close();
}

void request(const char* name) {
  auto& sockets = rt::app().form<frmSocks>();
  sockets.doConnect(sockets.Csetting, ports::serverSettings, settingsRequest(name));
}

// The steps of a download: the system file was asked for, then the browser file, then the
// website file; from then on each end makes all three take effect.
void ended() {
  received.close();
  std::int16_t& step = client().settingsStep;
  if (step == 1) {
    request("exp");
    step = 2;
  } else if (step == 2) {
    request("url");
    step = 3;
  }
  if (step != 3) return;
  serverset();
  serverexpo();
  serverblock();
  rt::app().form<listener>().appsetting();
}

}  // namespace

std::string settingsRequest(const char* name) { return "0|" + client().pcName + "|" + name; }

std::optional<std::string> takeSettingsDatagram(const std::string& datagram) {
  std::optional<std::string> reply;
  const std::string argument = datagram.size() > 2 ? datagram.substr(2) : std::string();
  switch (messageCode(datagram)) {
    case '1':
      start(argument);
      reply = "2|" + client().pcName + "|na";
      break;
    case '4':
      received.append(argument);
      reply = "3|" + client().pcName + "|na";
      break;
    case '3': ended(); break;
    default: break;
  }
  client().serverReplied = true;
  return reply;
}

void resetSettingsTransfer() {
  received.close();
  target.reset();
}

}  // namespace tavimo
