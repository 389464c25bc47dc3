#include "session/message.h"

#include "core/ClientContext.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "session/Pictures.h"
#include "util/clsSytemInfo.h"

namespace tavimo {

namespace {
constexpr int firstStep = 500;  // ms before the notice starts to move
// The most of a message the notice shows: many times what its box holds. The window system
// wraps a long text without blanks slowly (an 8,000-character one held the client for more
// than a second), and a datagram can carry 65,506 characters.
constexpr std::size_t maxShownMessage = 2048;
constexpr int stepInterval = 10;
constexpr int step = 50;        // twips a step
constexpr int hold = 5000;      // ms at rest
constexpr int restMargin = 390;  // twips between the notice and the screen's bottom, at rest
constexpr int rightMargin = 100;
constexpr long bandColor = 11362079;
}  // namespace

message::message() : Form("message") {
  setCaption("Tavimo Messenger Service");
  setBorderStyle(rt::BorderStyle::None);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::Manual);
  setBackColor(rt::rgb(246, 248, 252));
  move(0, 0, 4200, 2160);

  Shape1.setFillColor(bandColor);
  Shape1.move(0, 0, 4200, 360);
  Image2.setResourcePicture(picture::timerLogo);
  Image2.setStretch(true);
  Image2.move(90, 60, 240, 240);
  Label3.setCaption("Tavimo Messenger");
  Label3.setFont({"MS Sans Serif", 8.25, true});
  Label3.setForeColor(rt::rgb(255, 255, 255));
  Label3.setTransparent(true);
  Label3.move(420, 75, 3000, 240);
  ImageList1.add(picture::closeNormal);
  ImageList1.add(picture::closePressed);
  Image1.setResourcePicture(ImageList1.picture(1));
  Image1.setStretch(true);
  Image1.move(3840, 60, 240, 240);
  Label2.setCaption("Administrator Says:");
  Label2.setFont({"MS Sans Serif", 8.25, true});
  Label2.move(180, 480, 3840, 255);
  Label1.setMultiLine(true);
  Label1.setLocked(true);
  Label1.move(180, 780, 3840, 1200);
  Timer1.setInterval(firstStep);

  Timer1.onTimer = [this] { Timer1_Timer(); };
  Image1.onMouseDown = [this](const rt::MouseEvent&) { Image1.setResourcePicture(ImageList1.picture(2)); };
  Image1.onMouseUp = [this](const rt::MouseEvent&) { Image1.setResourcePicture(ImageList1.picture(1)); };
  Image1.onClick = [this] { unload(); };
}

void message::onLoad() {
  startCycle();
  if (clsSytemInfo().strWinversion() > 4.1) platform().desktop->setTopmost(hWnd(), true);
}

void message::startCycle() {
  const rt::PictureSize screen = rt::app().backend().screenSize();
  move(screen.width - (width() + rightMargin), screen.height + 10, width(), height());
  rising_ = true;
  Label1.setText(client().pendingMessage.substr(0, maxShownMessage));
  Timer1.setInterval(firstStep);
  Timer1.setEnabled(true);
}

// Up in steps until the bottom edge is the margin above the screen's bottom, a rest, then
// down in steps until it is below the screen again.
void message::Timer1_Timer() {
  const int screenHeight = rt::app().backend().screenSize().height;
  Timer1.setInterval(stepInterval);
  if (rising_) {
    move(left(), top() - step, width(), height());
    if (top() + height() > screenHeight - restMargin) return;
    Timer1.setInterval(hold);
    rising_ = false;
    return;
  }
  move(left(), top() + step, width(), height());
  if (top() < screenHeight + 10) return;
  Timer1.setEnabled(false);
  unload();
}

void showAdministratorMessage() {
  rt::App& app = rt::app();
  const bool open = app.isLoaded<message>();
  message& notice = app.form<message>();
  if (open) notice.startCycle();
  notice.show();
}

}  // namespace tavimo
