#include "session/timemsg.h"

#include "core/StoredState.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "session/MinutesBox.h"
#include "util/Convert.h"
#include "util/Text.h"

namespace tavimo {

timemsg::timemsg() : Form("timemsg") {
  setCaption("Continue Session");
  setBorderStyle(rt::BorderStyle::FixedDialog);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::CenterScreen);
  setClientSize(4800, 2520);

  Label1.setCaption("Less than 2 mins. remaining in this session.   If you want to continue, please specify:");
  Label1.move(180, 150, 4440, 480);
  Frame2.setCaption("Extend my surfing session by");
  Frame2.move(180, 720, 4440, 900);
  Text1.setText("0");
  Text1.move(360, 390, 720, 330);
  UpDown1.move(1080, 390, 255, 330);
  UpDown1.setBuddy(Text1);
  UpDown1.setRange(0, longestMinutes);
  UpDown1.setIncrement(5);
  Label2.setCaption("min(s)");
  Label2.move(1440, 435, 900, 255);
  for (rt::Control* c : std::initializer_list<rt::Control*>{&Text1, &UpDown1, &Label2}) c->setContainer(&Frame2);
  Command1.setCaption("Conti&nue...");
  Command1.move(1920, 1860, 1290, 390);
  Command2.setCaption("&Cancel");
  Command2.move(3330, 1860, 1290, 390);

  makeMinutesBox(Text1);
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { unload(); };
}

void timemsg::onActivate() { platform().desktop->setTopmost(hWnd(), true); }

// The guest window reads the limit on every tick: the new one and its reminder apply at once.
void timemsg::Command1_Click() {
  const auto limit = toInteger(trim(stored::readText(stored::TimeLimit)));
  const auto extension = toInteger(trim(Text1.text()));
  if (limit) stored::write(stored::TimeLimit, std::to_string(*limit + extension.value_or(0)));
  unload();
}

void closeReminder() {
  if (rt::app().isLoaded<timemsg>()) rt::app().form<timemsg>().unload();
}

}  // namespace tavimo
