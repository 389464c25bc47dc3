#include "session/TimerWindow.h"

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "lockdown/frmBlocks.h"
#include "login/frmstart.h"
#include "net/Ports.h"
#include "net/frmSocks.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "session/Functions.h"
#include "session/Pictures.h"
#include "session/SavKey.h"
#include "session/TextOnlyBrowsing.h"
#include "session/frmClock.h"
#include "session/frmOrders.h"
#include "session/frmTray.h"
#include "session/message.h"
#include "session/timemsg.h"
#include "util/Convert.h"
#include "util/clsSytemInfo.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {
// The maker's web site, opened by "About Tavimo".
constexpr const char* makerAddress = "http://www.tavimo.com/";

constexpr int waitLimit = 20;  // ticks of 500 ms: the 21st gives up on the server
constexpr int twipsPerPixel = 15;
// What the notification area reports for a double click on the icon (WM_LBUTTONDBLCLK).
constexpr int iconDoubleClick = 515;
constexpr std::uint32_t iconCallbackMessage = 512;  // arrives as a mouse move on the window
constexpr std::size_t tipLength = 64;

// The bands and buttons, and a button under the pointer.
constexpr long bandColor = 11362079;   // red 31, green 95, blue 173
constexpr long hoverColor = 12679955;  // red 19, green 123, blue 193
constexpr long paperColor = rt::rgb(246, 248, 252);
constexpr long inkColor = rt::rgb(24, 40, 72);
const rt::Font titleFont{"MS Sans Serif", 8.25, true};
const rt::Font valueFont{"MS Sans Serif", 8.25, true};

constexpr int windowWidth = 4800;
constexpr int bandHeight = 360;
constexpr int rowHeight = 300;
constexpr int buttonHeight = 390;
constexpr int tabsHeight = 1680;
}  // namespace

TimerWindow::TimerWindow(const TimerWindowKind& kind)
    : Form(kind.name), logoutLabel{*this, kind.logoutLabel}, kind_(kind) {
  setCaption("Timer");
  setBorderStyle(rt::BorderStyle::None);
  setStartUpPosition(rt::StartUpPosition::Manual);
  setBackColor(paperColor);

  Shape1.setFillColor(bandColor);
  lblCaption.setCaption("Timer");
  lblCaption.setFont(titleFont);
  lblCaption.setForeColor(rt::rgb(255, 255, 255));
  lblCaption.setTransparent(true);
  Image2.setResourcePicture(picture::timerLogo);
  ImageList2.add(picture::minimizeNormal);
  ImageList2.add(picture::minimizePressed);
  ImageList2.add(picture::hideNormal);
  ImageList2.add(picture::hidePressed);
  Image3.setResourcePicture(ImageList2.picture(1));
  Image3.setToolTipText("Minimize Timer");
  Image4.setResourcePicture(ImageList2.picture(3));
  Image4.setToolTipText("Hide Timer");
  Label3.setCaption("Minimize");
  Label3.setToolTipText("Click to minimize");
  Label3.setMousePointer(rt::MousePointer::Hand);
  Label3.setForeColor(rt::rgb(255, 255, 255));
  Label3.setTransparent(true);

  lbllogint.setCaption("Login Time : ");
  lbltl.setCaption("Total Time:");
  lbllogout.setCaption("Logout Time : ");
  for (rt::Label* value : {&lbltimer, &lbltimer2, &lbltimer3}) {
    value->setFont(valueFont);
    value->setForeColor(inkColor);
  }

  Frame2.setBorder(false);
  Frame2.setBackColor(paperColor);
  logoutLabel.setCaption("Logout");
  logoutLabel.setToolTipText("Click to logout");
  Label5.setCaption("Message");
  Label5.setEnabled(false);
  abouttv.setCaption("About Tavimo");
  lblHelp.setCaption("Help Me");
  lblOrders.setCaption("Place Orders");
  for (rt::Shape* face : {&Shape3, &Shape4, &Shape5, &Shape6, &Shape7}) face->setFillColor(bandColor);
  for (rt::Label* button : {&logoutLabel, &Label5, &abouttv, &lblHelp, &lblOrders}) {
    button->setAlignment(rt::Alignment::Center);
    button->setForeColor(rt::rgb(255, 255, 255));
    button->setTransparent(true);
    button->setMousePointer(rt::MousePointer::Hand);
  }
  for (rt::Control* c : std::initializer_list<rt::Control*>{&Shape5, &logoutLabel, &Shape4, &Label5, &Shape3, &abouttv})
    c->setContainer(&Frame2);

  List1.setToolTipText("Double Click to launch");
  List1.setContainer(&fraQl);
  Check1.setCaption("Keep this timer window on top");
  Check1.setToolTipText("Check to keep this window always on top");
  Check2.setCaption("Plain text surfing, no graphics");
  Check2.setToolTipText(
      "Select this to enable text surfing, i.e. all graphics and animations are diabled in the Explorer Window(s) "
      "opened after applying.");
  Check1.setContainer(&fraSt);
  Check2.setContainer(&fraSt);
  for (rt::Control* c : std::initializer_list<rt::Control*>{&Shape7, &lblHelp, &Shape6, &lblOrders}) c->setContainer(&fraOr);
  for (rt::Frame* page : {&fraQl, &fraSt, &fraOr}) {
    page->setBorder(false);
    page->setBackColor(paperColor);
  }

  lblStatus.setCaption("Status:");
  lblStatus.setVisible(false);

  Timer1.setInterval(950);
  Timer2.setInterval(1);
  Timer2.setEnabled(false);
  Timer3.setInterval(500);
  Timer3.setEnabled(false);

  Timer1.onTimer = [this] { Timer1_Timer(); };
  Timer2.onTimer = [this] { platform().desktop->setTopmost(hWnd(), true); };
  Timer3.onTimer = [this] { Timer3_Timer(); };
  logoutLabel.onClick = [this] { logout(); };
  Label3.onClick = [this] { minimize(); };
  Image3.onClick = [this] { minimize(); };
  Image4.onClick = [this] {
    client().trayOwner = kind_.trayOwner;
    rt::app().form<frmTray>().show();
  };
  Label5.onClick = [] { showAdministratorMessage(); };
  lblOrders.onClick = [] { rt::app().form<frmOrders>().show(); };
  lblHelp.onClick = [this] { askForHelp(); };
  abouttv.onClick = [this] { platform().shell->shellExecute(hWnd(), "open", makerAddress, 1); };
  TabStrip1.onClick = [this] { showTab(); };
  List1.onDblClick = [this] { launchProgram(); };
  Check1.onClick = [this] {
    const bool onTop = Check1.value() == 1;
    Timer2.setEnabled(onTop);
    if (!onTop) platform().desktop->setTopmost(hWnd(), false);
  };
  Check2.onClick = [this] { setTextOnlyBrowsing(Check2.value() == 1); };

  hover(logoutLabel, Shape5);
  hover(Label5, Shape4);
  hover(abouttv, Shape3);
  hover(lblHelp, Shape7);
  hover(lblOrders, Shape6);
  Frame2.onMouseMove = [this](const rt::MouseEvent&) {
    for (rt::Shape* face : {&Shape3, &Shape4, &Shape5}) face->setFillColor(bandColor);
  };
  fraOr.onMouseMove = [this](const rt::MouseEvent&) {
    for (rt::Shape* face : {&Shape6, &Shape7}) face->setFillColor(bandColor);
  };
  draggable(Image2);
  draggable(lblCaption);
  pressable(Image3, 1, 2);
  pressable(Image4, 3, 4);
}

void TimerWindow::hover(rt::Label& label, rt::Shape& shape) {
  label.onMouseMove = [&shape](const rt::MouseEvent&) { shape.setFillColor(hoverColor); };
}

// The window has no caption bar: its title band moves it.
void TimerWindow::draggable(rt::Control& handle) {
  handle.onMouseDown = [this](const rt::MouseEvent& e) {
    dragging_ = true;
    dragX_ = static_cast<std::int16_t>(e.x);
    dragY_ = static_cast<std::int16_t>(e.y);
  };
  handle.onMouseMove = [this](const rt::MouseEvent& e) {
    if (!dragging_) return;
    move(left() + e.x - dragX_, top() + e.y - dragY_, width(), height());
  };
  handle.onMouseUp = [this](const rt::MouseEvent&) { dragging_ = false; };
}

void TimerWindow::pressable(rt::Image& image, int normal, int pressed) {
  image.onMouseDown = [this, &image, pressed](const rt::MouseEvent&) { image.setResourcePicture(ImageList2.picture(pressed)); };
  image.onMouseUp = [this, &image, normal](const rt::MouseEvent&) { image.setResourcePicture(ImageList2.picture(normal)); };
}

void TimerWindow::addTab(const char* key, const char* caption, rt::Frame& frame) {
  TabStrip1.addTab(key, caption);
  tabFrames_.emplace_back(key, &frame);
  showTab();
}

void TimerWindow::showTab() {
  const std::string key = TabStrip1.selectedKey();
  for (auto& [tab, frame] : tabFrames_) frame->setVisible(tab == key);
}

// The title band, the details one row each, the buttons, the tabs with their pages, the status.
void TimerWindow::layOut(const std::vector<std::pair<rt::Label*, rt::Label*>>& details) {
  const int inner = windowWidth - 240;
  Shape1.move(0, 0, windowWidth, bandHeight);
  Image2.setStretch(true);
  Image2.move(90, 60, 240, 240);
  lblCaption.move(420, 75, 2700, 240);
  Label3.move(windowWidth - 1740, 75, 900, 240);
  Label3.setAlignment(rt::Alignment::Right);
  for (rt::Image* button : {&Image3, &Image4}) button->setStretch(true);
  Image3.move(windowWidth - 720, 60, 240, 240);
  Image4.move(windowWidth - 360, 60, 240, 240);

  int top = bandHeight + 150;
  for (auto [caption, value] : details) {
    caption->move(240, top, 1560, 255);
    value->move(1800, top, inner - 1680, 255);
    top += rowHeight;
  }

  top += 90;
  Frame2.move(120, top, inner, buttonHeight);
  const int third = inner / 3;
  const std::pair<rt::Shape*, rt::Label*> buttons[] = {{&Shape5, &logoutLabel}, {&Shape4, &Label5}, {&Shape3, &abouttv}};
  for (int i = 0; i < 3; ++i) {
    buttons[i].first->move(i * third + 30, 0, third - 60, buttonHeight);
    buttons[i].second->move(i * third + 30, 75, third - 60, 255);
  }
  top += buttonHeight + 150;

  TabStrip1.move(120, top, inner, tabsHeight);
  const int pageTop = top + 390;
  const int pageHeight = tabsHeight - 450;
  for (auto& [tab, page] : tabFrames_) page->move(180, pageTop, inner - 120, pageHeight);
  List1.move(60, 30, inner - 240, pageHeight - 60);
  Check1.move(120, 120, inner - 360, 285);
  Check2.move(120, 540, inner - 360, 285);
  const int half = (inner - 120) / 2;
  const std::pair<rt::Shape*, rt::Label*> orders[] = {{&Shape7, &lblHelp}, {&Shape6, &lblOrders}};
  for (int i = 0; i < 2; ++i) {
    orders[i].first->move(i * half + 60, 300, half - 120, buttonHeight);
    orders[i].second->move(i * half + 60, 375, half - 120, 255);
  }
  top += tabsHeight + 90;

  lblStatus.move(240, top, inner - 120, 255);
  top += 255 + 120;
  rt::PictureSize screen = rt::app().backend().screenSize();
  move(screen.width - windowWidth - 300, 600, windowWidth, top);
}

void TimerWindow::startCounting() { clock_.start(); }

void TimerWindow::showElapsed(int hours, int minutes, int seconds) {
  const std::string elapsed = elapsedText(hours, minutes, seconds);
  lbltimer2.setCaption(elapsed);
  if (stored::read(stored::panelFlag(kind_.elapsedHiddenFlag)).asBool().value_or(false)) return;
  setCaption(elapsed + " [Timer]");
  lblCaption.setCaption(elapsed + " [Timer]");
}

void TimerWindow::writeProgress() { stored::write(stored::Elapsed, lbltimer2.caption()); }

void TimerWindow::saveProgress() {
  writeProgress();
  saveKey(stored::timersKey.path, client().backupFile, stored::timersKey.hive);
}

void TimerWindow::writeSessionRecord() {
  const ClientContext& c = client();
  stored::write(stored::Status, 1);
  stored::write(stored::UserId, c.loginId);
  stored::write(stored::Elapsed, lbltimer2.caption());
  stored::write(stored::Amount, "0");
  stored::write(stored::Date, c.serverDate);
  stored::write(stored::LogoutTime, "");
  stored::write(stored::LoginTime, lbltimer.caption());
}

void TimerWindow::notifyIcon(std::uint32_t message) {
  const std::string indent = kind_.tipIndent;
  std::string tip = "Tavimo Timer \r\n" + indent + "User Id: " + client().loginId + "\r\n" + indent + "Double Click to maximize";
  if (tip.size() > tipLength) tip.resize(tipLength);
  platform().shell->notifyIcon(message, {hWnd(), 1, nif::Message | nif::Icon | nif::Tip, iconCallbackMessage, tip});
}

void TimerWindow::announceTrayIcon() {
  notifyIcon(nim::Add);
  notifyIcon(nim::Delete);
}

void TimerWindow::reportSession() {
  loadSessionRecord();
  sendSessionReport('2');
}

void TimerWindow::offerKeepOnTop() { Check1.setVisible(clsSytemInfo().strWinversion() >= 4.1); }

void TimerWindow::fillPrograms() {
  for (const std::string& name : listValues(stored::programsKey.hive, stored::programsKey.path)) List1.addItem(name);
}

std::string TimerWindow::now() { return rt::app().form<frmClock>().Label1.caption(); }

void TimerWindow::onActivate() {
  if (stored::read(stored::panelFlag(kind_.elapsedHiddenFlag)).asBool().value_or(false)) {
    lbltl.setVisible(false);
    lbltimer2.setVisible(false);
  }
}

// Each tick counts the seconds that really passed, one step each, so that a late tick (a
// message box, a slow handler) neither loses time nor bills too little. A logout on the way
// stops the count.
void TimerWindow::Timer1_Timer() {
  for (int due = clock_.dueSeconds(); due > 0 && Timer1.enabled(); --due) secondPassed();
}

void TimerWindow::pauseSession() {
  Timer1.setEnabled(false);
  clock_.pause();
}

// A resume while the clock runs changes nothing: enabling the running timer again would start
// its interval afresh, and a server repeating the command would hold the clock back.
void TimerWindow::resumeSession() {
  if (Timer1.enabled()) return;
  clock_.resume();
  Timer1.setEnabled(true);
}

void TimerWindow::logout() {
  ClientContext& c = client();
  beforeLogout();
  lblStatus.setVisible(true);
  lblStatus.setCaption("Status: Logging you out...");
  loggingOut_ = true;
  lbltimer3.setCaption(now());
  Timer1.setEnabled(false);
  saveProgress();
  c.startupPhase = false;
  c.serverReplied = false;
  setTrayClock(1);
  announceTrayIcon();
  c.sendBuffer = "0|" + c.pcName;
  rt::app().form<frmSocks>().doSvrconnect();
  Timer3.setEnabled(true);
}

void TimerWindow::Timer3_Timer() {
  if (++waitCounter_ > waitLimit) {
    Timer3.setEnabled(false);
    waitCounter_ = 0;
    endSession(false);
    return;
  }
  if (client().serverReplied) {
    Timer3.setEnabled(false);
    endSession(true);
  }
}

// Unconfirmed, the session stays open for the server, which learns of it from the report the
// login screen sends when it next loads.
void TimerWindow::endSession(bool confirmed) {
  if (confirmed) reportEnd();
  stored::write(stored::Status, confirmed ? 0 : 1);
  stored::write(stored::LogoutTime, lbltimer3.caption());
  stored::write(stored::Continue, 0);
  stored::write(stored::TimeLimit, "0");
  setTextOnlyBrowsing(false);
  if (confirmed) {
    reportSession();
    lblStatus.setCaption("Status: You are successfully logged out");
  }
  closeReminder();
  if (rt::app().isLoaded<frmOrders>()) rt::app().form<frmOrders>().unload();
  if (rt::app().isLoaded<frmTray>()) rt::app().form<frmTray>().unload();
  if (rt::app().isLoaded<frmClock>()) rt::app().form<frmClock>().unload();
  unload();
  rt::app().form<frmstart>().show();
}

void TimerWindow::onQueryUnload(bool& cancel, rt::UnloadMode) {
  if (!loggingOut_) cancel = true;
}

void TimerWindow::onUnload(bool&) {
  if (kind_.unloadsFilter && rt::app().isLoaded<frmBlocks>()) rt::app().form<frmBlocks>().unload();
  client().pendingMessage.clear();
  notifyIcon(nim::Delete);
}

void TimerWindow::minimize() {
  setWindowState(rt::WindowState::Minimized);
  notifyIcon(nim::Add);
}

void TimerWindow::hideFrm() {
  hide();
  notifyIcon(nim::Add);
}

void TimerWindow::onResize() {
  if (windowState() == rt::WindowState::Normal) notifyIcon(nim::Delete);
  if (windowState() == rt::WindowState::Minimized) notifyIcon(nim::Add);
}

// The icon's double click: the window comes back and its icon goes, as while it is shown.
void TimerWindow::onMouseMove(const rt::MouseEvent& event) {
  if (event.x / twipsPerPixel != iconDoubleClick) return;
  show();
  setWindowState(rt::WindowState::Normal);
  notifyIcon(nim::Delete);
}

void TimerWindow::launchProgram() {
  if (List1.listIndex() < 0) return;
  const std::string command = readText(stored::programsKey.hive, stored::programsKey.path, List1.list(List1.listIndex()));
  platform().shell->startMaximized(command);
}

void TimerWindow::askForHelp() {
  if (rt::msgBox("Do you want to send a Help Request to the Cafe Administrator", rt::mb::YesNo | rt::mb::Question) != rt::mb::Yes)
    return;
  const ClientContext& c = client();
  Winsock1.setRemoteHost(c.serverName);
  Winsock1.setRemotePort(ports::serverHelp);
  Winsock1.sendData("1|" + c.pcName);
}

}  // namespace tavimo
