#include "session/Functions.h"

#include <cctype>

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "net/Ports.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "util/Text.h"
#include "util/clsSytemInfo.h"

namespace tavimo {

namespace {
constexpr const char* taskbarClass = "Shell_TrayWnd";
}

void setTaskbar(std::int32_t showCommand) {
  Desktop& desktop = *platform().desktop;
  if (WindowHandle taskbar = desktop.findWindow(taskbarClass)) desktop.showWindow(taskbar, showCommand);
  if (showCommand == 0) desktop.setScreenSaverRunning(true);
  if (showCommand == 1) desktop.setScreenSaverRunning(false);
  if (clsSytemInfo().strWinversion() <= 4.9) desktop.registerServiceProcess();
}

void setTrayClock(std::int16_t showCommand) {
  Desktop& desktop = *platform().desktop;
  WindowHandle taskbar = desktop.findWindow(taskbarClass);
  WindowHandle tray = taskbar ? desktop.findChildWindow(taskbar, "TrayNotifyWnd") : 0;
  WindowHandle clock = tray ? desktop.findChildWindow(tray, "TrayClockWClass") : 0;
  if (clock) desktop.showWindow(clock, showCommand);
}

namespace {
// A text read with its terminator: empty stays empty; otherwise the terminator goes, and a
// text that was only the terminator becomes " ". An empty result takes the default.
std::string recordText(const stored::Value& value, const std::string& whenEmpty = {}) {
  std::string text = stored::read(value).asText();
  if (text.empty()) return whenEmpty;
  text.pop_back();
  if (text.empty()) return " ";
  return text;
}
}  // namespace

void loadSessionRecord() {
  SessionRecord& r = client().sessionRecord;
  r.UserId = recordText(stored::UserId);
  r.Elapsed = recordText(stored::Elapsed);
  r.Amount = recordText(stored::Amount);
  r.Date = recordText(stored::Date);
  r.Status = stored::read(stored::Status).asText();
  r.LoginTime = recordText(stored::LoginTime, "0:0:0");
  r.LogoutTime = recordText(stored::LogoutTime, "0:0:0");
  r.RateType = recordText(stored::RateType, "Slot I");
}

std::string sessionReport(char code) {
  const ClientContext& c = client();
  const SessionRecord& r = c.sessionRecord;
  std::string user = r.UserId;
  std::string label = c.userLabel;
  if (code == '1') {
    std::string id = trim(r.UserId);
    if (r.UserId == "guest")
      label = stored::readText(stored::GuestName);
    else if (!id.empty() && std::isdigit(static_cast<unsigned char>(id[0])))
      label = "ticket";
    else
      label = "member";
  }
  std::string fields[] = {std::string(1, code), c.pcName, r.Status, r.Date, user, label, r.Elapsed,
                          r.Amount, r.LoginTime, r.LogoutTime, r.RateType, c.localAddress};
  std::string report = fields[0];
  for (std::size_t i = 1; i < std::size(fields); ++i) report += "|" + fields[i];
  return report;
}

void showPreviousUser() {
  auto& screen = rt::app().form<frmstart>();
  screen.lblDate.setCaption(stored::readText(stored::Date));
  screen.lblUsage.setCaption(stored::readText(stored::Elapsed) + " Hrs.");
  screen.lblCharges.setCaption(stored::readText(stored::Amount) + " " + client().currencyName);
  screen.lblUser.setCaption(stored::readText(stored::UserId));
}

void sendSessionReport(char code) {
  auto& sockets = rt::app().form<frmSocks>();
  std::string report = sessionReport(code);
  client().sendBuffer = report;
  sockets.doConnect(sockets.wskComputer, ports::serverReports, report);
}

}  // namespace tavimo
