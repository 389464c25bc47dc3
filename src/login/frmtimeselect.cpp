#include "login/frmtimeselect.h"

#include <cctype>

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "lockdown/mdlClipcursor.h"
#include "login/GuestTimerStart.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/MsgBox.h"
#include "session/MinutesBox.h"
#include "util/Text.h"

namespace tavimo {

namespace {
constexpr int framesTop = 120;
constexpr int secondFrameTop = 1260;
constexpr int designedHeight = 3405;
// With one frame the buttons move up under it and the window shrinks to fit.
constexpr int oneFrameButtonsTop = 1320;
constexpr int oneFrameHeight = 2100;
constexpr int twoFramesButtonsTop = 2400;
}  // namespace

frmtimeselect::frmtimeselect() : Form("frmtimeselect") {
  setCaption("Guest User Settings");
  setBorderStyle(rt::BorderStyle::FixedDialog);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::CenterScreen);
  move(0, 0, 5430, designedHeight);

  Frame3.setCaption("Please type your name");
  Frame3.move(120, framesTop, 5040, 1020);
  lblName.setCaption("Name:");
  lblName.move(240, 450, 840, 255);
  txtName.move(1080, 405, 3720, 330);
  for (rt::Control* c : std::initializer_list<rt::Control*>{&lblName, &txtName}) c->setContainer(&Frame3);

  Frame2.setCaption("Please specify your Surfing Duration");
  Frame2.move(120, secondFrameTop, 5040, 1020);
  lblSurfFor.setCaption("I want to surf for:");
  lblSurfFor.move(240, 375, 1620, 255);
  Text1.move(1860, 330, 660, 330);
  Text1.setText("0");
  UpDown1.move(2520, 330, 255, 330);
  UpDown1.setBuddy(Text1);
  UpDown1.setRange(0, longestMinutes);
  UpDown1.setIncrement(5);
  lblMinutes.setCaption("min(s)");
  lblMinutes.move(2880, 375, 900, 255);
  lblNote.setCaption("Note:");
  lblNote.setFont({"MS Sans Serif", 8.25, true});
  lblNote.move(240, 720, 600, 255);
  lblNoteText.setCaption("Leave 0 (zero) if you are not sure");
  lblNoteText.move(840, 720, 4080, 255);
  for (rt::Control* c : std::initializer_list<rt::Control*>{&lblSurfFor, &Text1, &UpDown1, &lblMinutes, &lblNote, &lblNoteText})
    c->setContainer(&Frame2);

  Command1.setCaption("&Ok");
  Command2.setCaption("&Cancel");
  Command1.move(2520, twoFramesButtonsTop, 1215, 360);
  Command2.move(3945, twoFramesButtonsTop, 1215, 360);

  txtName.onKeyPress = [this](int& key) {
    if (key == rt::key::Return) {
      key = 0;
      focusNext();
      Command1_Click();
      return;
    }
    key = std::toupper(static_cast<unsigned char>(key));
  };
  makeMinutesBox(Text1);
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { unload(); };
}

void frmtimeselect::layOut(bool asksName, bool asksDuration) {
  Frame3.setVisible(asksName);
  Frame2.setVisible(asksDuration);
  const bool both = asksName && asksDuration;
  Frame2.setTop(both ? secondFrameTop : framesTop);
  const int buttonsTop = both ? twoFramesButtonsTop : oneFrameButtonsTop;
  Command1.setTop(buttonsTop);
  Command2.setTop(buttonsTop);
  move(left(), top(), width(), both ? designedHeight : oneFrameHeight);
}

void frmtimeselect::onActivate() {
  ClientContext& c = client();
  layOut(c.guestAsksName, c.guestAsksDuration);
  if (Frame3.visible()) {
    // The server continues an interrupted guest session: the name stays the one given then.
    if (stored::read(stored::Continue).asLong() == 1) {
      c.userLabel = stored::readText(stored::GuestName);
      txtName.setText(c.userLabel);
      txtName.setLocked(true);
    } else {
      txtName.setLocked(false);
      txtName.setFocus();
    }
  }
  setupConfirmed_ = false;
  platform().desktop->setTopmost(hWnd(), true);
  confineCursor(*this);
}

void frmtimeselect::Command1_Click() {
  ClientContext& c = client();
  const std::string name = trim(txtName.text());
  if (c.guestAsksName && name.empty()) {
    rt::msgBox("Invalid name", rt::mb::OkOnly | rt::mb::Information);
    confineCursor(*this);
    txtName.setFocus();
    txtName.selectAll();
    return;
  }
  c.userLabel = name;
  stored::write(stored::GuestName, name);
  stored::write(stored::TimeLimit, trim(Text1.text()));
  setupConfirmed_ = true;
  unload();
}

void frmtimeselect::onUnload(bool& /*cancel*/) {
  if (setupConfirmed_) startGuestTimer();
  releaseCursor();
}

}  // namespace tavimo
