#pragma once
// The small window that stays on the desktop while a customer's session runs. The guest's,
// the member's and the ticket holder's windows are this one design: the same layout, tabs,
// quick launch, text-only browsing, keep on top, help, orders and message labels, tray
// handling, dragging, logout protocol and session record. Each kind adds its own counting
// (billing, or time used on an account) and tells what differs as data.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/ListControls.h"
#include "runtime/TabStrip.h"
#include "runtime/Timer.h"
#include "runtime/UdpSocket.h"
#include "session/SessionClock.h"

namespace tavimo {

// What sets one kind of timer window apart from the others.
struct TimerWindowKind {
  const char* name;          // the form's name
  const char* logoutLabel;   // the name of the label that logs out
  int elapsedHiddenFlag;     // the hidden-store flag that hides the elapsed time
  std::int16_t trayOwner;    // what the tray notice's "Ok" hides: 1 guest, 2 member, 3 ticket
  const char* tipIndent;     // before the tray tip's second and third lines
  bool unloadsFilter;        // the website filter ends with this window
};

class TimerWindow : public rt::Form {
 public:
  // Hides the window into the notification area, where a double click brings it back.
  void hideFrm();
  // The café stops the session's clock, and starts it again where it stopped.
  void pauseSession();
  void resumeSession();
  // The logout: asks the server, then waits for its answer.
  void logout();
  bool loggingOut() const { return loggingOut_; }

  rt::Shape Shape1{*this, "Shape1"};  // the title band
  rt::Image Image2{*this, "Image2"};
  rt::Label lblCaption{*this, "lblCaption"};
  rt::Image Image3{*this, "Image3"};
  rt::Image Image4{*this, "Image4"};
  rt::Label Label3{*this, "Label3"};
  rt::Label lbllogint{*this, "lbllogint"};
  rt::Label lbltimer{*this, "lbltimer"};
  rt::Label lbltl{*this, "lbltl"};
  rt::Label lbltimer2{*this, "lbltimer2"};
  rt::Label lbllogout{*this, "lbllogout"};
  rt::Label lbltimer3{*this, "lbltimer3"};
  rt::Frame Frame2{*this, "Frame2"};
  rt::Shape Shape5{*this, "Shape5"};
  rt::Label logoutLabel;
  rt::Shape Shape4{*this, "Shape4"};
  rt::Label Label5{*this, "Label5"};
  rt::Shape Shape3{*this, "Shape3"};
  rt::Label abouttv{*this, "abouttv"};
  rt::TabStrip TabStrip1{*this, "TabStrip1"};
  rt::Frame fraQl{*this, "fraQl"};
  rt::ListBox List1{*this, "List1"};
  rt::Frame fraSt{*this, "fraSt"};
  rt::CheckBox Check1{*this, "Check1"};
  rt::CheckBox Check2{*this, "Check2"};
  rt::Frame fraOr{*this, "fraOr"};
  rt::Shape Shape7{*this, "Shape7"};
  rt::Label lblHelp{*this, "lblHelp"};
  rt::Shape Shape6{*this, "Shape6"};
  rt::Label lblOrders{*this, "lblOrders"};
  rt::Label lblStatus{*this, "lblStatus"};
  rt::UdpSocket Winsock1{*this, "Winsock1"};
  rt::Timer Timer1{*this, "Timer1"};
  rt::Timer Timer2{*this, "Timer2"};
  rt::Timer Timer3{*this, "Timer3"};
  rt::ImageList ImageList2{*this, "ImageList2"};

 protected:
  explicit TimerWindow(const TimerWindowKind& kind);

  // One second of session time, in the kind's own order of steps.
  virtual void secondPassed() = 0;
  // What is saved at every minute and at the logout before the key is backed up.
  virtual void writeProgress();
  // What the server learns once it has confirmed the logout.
  virtual void reportEnd() = 0;
  // What a kind does first when the logout starts.
  virtual void beforeLogout() {}

  // Steps of opening, in the order each kind takes them.
  void startCounting();
  void showElapsed(int hours, int minutes, int seconds);
  void saveProgress();
  void writeSessionRecord();
  // The icon is added and removed at once: no icon while the window is shown.
  void announceTrayIcon();
  void reportSession();
  void offerKeepOnTop();
  void fillPrograms();
  // The café's time of day, as the clock window keeps it.
  static std::string now();
  // Adds a tab with the frame it shows, in tab order.
  void addTab(const char* key, const char* caption, rt::Frame& frame);
  // Lays out the rows of the window's details (caption and value) from the top.
  void layOut(const std::vector<std::pair<rt::Label*, rt::Label*>>& details);

  void onActivate() override;
  void onQueryUnload(bool& cancel, rt::UnloadMode mode) override;
  void onUnload(bool& cancel) override;
  void onResize() override;
  void onMouseMove(const rt::MouseEvent& event) override;

  const TimerWindowKind& kind_;
  bool loggingOut_ = false;

 private:
  void Timer1_Timer();
  void Timer3_Timer();
  void endSession(bool confirmed);
  void notifyIcon(std::uint32_t message);
  void hover(rt::Label& label, rt::Shape& shape);
  void draggable(rt::Control& handle);
  void pressable(rt::Image& image, int normal, int pressed);
  void showTab();
  void launchProgram();
  void askForHelp();
  void minimize();

  SessionClock clock_;
  std::int16_t waitCounter_ = 0;
  bool dragging_ = false;
  std::int16_t dragX_ = 0;
  std::int16_t dragY_ = 0;
  std::vector<std::pair<std::string, rt::Frame*>> tabFrames_;
};

}  // namespace tavimo
