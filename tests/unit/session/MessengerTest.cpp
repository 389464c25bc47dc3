#include <gtest/gtest.h>

#include <algorithm>

#include "session/Pictures.h"
#include "session/message.h"
#include "support/HeadlessClient.h"

namespace tavimo {
namespace {

// The notice on a 1024 x 768 screen (15360 x 11520 twips).
class Messenger : public ::testing::Test {
 protected:
  static constexpr int screenHeight = 11520;
  Messenger() { client().pendingMessage = "We close at ten tonight"; }
  message& notice() { return c.h.app.form<message>(); }
  bool topmost(const message& m) {
    const std::string call = "SetWindowPos " + std::to_string(m.hWnd()) + " HWND_TOPMOST";
    return std::find(c.desktop.calls.begin(), c.desktop.calls.end(), call) != c.desktop.calls.end();
  }
  testing::HeadlessClient c;
};

TEST_F(Messenger, RisesRestsAndFallsWhateverItsHeight) {
  for (int height : {2160, 3345}) {
    SCOPED_TRACE(height);
    message& m = notice();
    m.move(m.left(), m.top(), m.width(), height);
    m.startCycle();
    showAdministratorMessage();
    EXPECT_EQ(m.left(), 15360 - (m.width() + 100));
    EXPECT_EQ(m.top(), screenHeight + 10) << "just below the screen";
    EXPECT_EQ(m.Label1.text(), "We close at ten tonight");
    c.h.backend.advance(499);
    EXPECT_EQ(m.top(), screenHeight + 10) << "still for the first half second";
    c.h.backend.advance(1);
    EXPECT_EQ(m.top(), screenHeight - 40);
    int previous = m.top();
    while (m.top() + height > screenHeight - 390) {
      c.h.backend.advance(10);
      ASSERT_EQ(m.top(), previous - 50) << "50 twips every 10 ms";
      previous = m.top();
    }
    const int bottomMargin = screenHeight - (m.top() + height);
    EXPECT_GE(bottomMargin, 390);
    EXPECT_LT(bottomMargin, 390 + 50) << "it rests within one step of 390 twips above the bottom";
    c.h.backend.advance(4990);
    EXPECT_EQ(m.top(), previous) << "five seconds at rest";
    c.h.backend.advance(10);
    EXPECT_EQ(m.top(), previous + 50);
    c.h.backend.advance(10 * 200);
    EXPECT_FALSE(c.h.app.isLoaded<message>()) << "below the screen again, it closes";
  }
}

TEST_F(Messenger, TheLargestMessageShowsItsStart) {
  client().pendingMessage = std::string(65'506, 'A');
  showAdministratorMessage();
  EXPECT_EQ(notice().Label1.text(), std::string(2048, 'A'));
  EXPECT_EQ(client().pendingMessage.size(), 65'506u) << "the message itself is kept whole";
}

TEST_F(Messenger, ReopeningReusesTheNoticeWithTheNewMessage) {
  showAdministratorMessage();
  message& first = notice();
  c.h.backend.advance(800);
  ASSERT_LT(first.top(), screenHeight);
  client().pendingMessage = "Printer is fixed";
  showAdministratorMessage();
  EXPECT_EQ(&notice(), &first);
  EXPECT_EQ(first.top(), screenHeight + 10) << "the cycle starts again";
  EXPECT_EQ(first.Label1.text(), "Printer is fixed");
  const auto& journal = c.h.backend.journal();
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "destroy message"), 0);
}

TEST_F(Messenger, OnTopOnlyAfterTheFirstWindowsNinetyEight) {
  struct Row {
    OsVersion version;
    bool onTop;
  };
  for (Row row : {Row{{4, 10, 2222, 1}, false}, Row{{4, 90, 3000, 1}, true}, Row{{5, 1, 2600, 2}, true}}) {
    SCOPED_TRACE(row.version.minor);
    c.systemInfo.setVersion(row.version);
    showAdministratorMessage();
    EXPECT_EQ(topmost(notice()), row.onTop);
    notice().unload();
  }
}

TEST_F(Messenger, ClosePicturePressesAndCloses) {
  showAdministratorMessage();
  message& m = notice();
  EXPECT_EQ(m.caption(), "Tavimo Messenger Service");
  EXPECT_EQ(m.Label3.caption(), "Tavimo Messenger");
  EXPECT_EQ(m.Label2.caption(), "Administrator Says:");
  EXPECT_EQ(m.Image1.picture(), picture::closeNormal);
  m.Image1.mouseDown({1, 0, 10, 10});
  EXPECT_EQ(m.Image1.picture(), picture::closePressed);
  m.Image1.mouseUp({1, 0, 10, 10});
  EXPECT_EQ(m.Image1.picture(), picture::closeNormal);
  m.Image1.userClick();
  EXPECT_FALSE(c.h.app.isLoaded<message>());
}

}  // namespace
}  // namespace tavimo
