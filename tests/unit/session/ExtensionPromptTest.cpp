#include <gtest/gtest.h>

#include "GuestSession.h"
#include "session/timemsg.h"

namespace tavimo {
namespace {

using testing::sz;
using ExtensionPrompt = testing::GuestSession;

TEST_F(ExtensionPrompt, ExtendingMovesTheLimitAndItsReminder) {
  stored::write(stored::TimeLimit, "15");
  frmtimer2& timer = logIn();
  runTo(at(0, 13, 1));
  timemsg& prompt = c.h.app.form<timemsg>();
  ASSERT_TRUE(prompt.visible());
  EXPECT_EQ(prompt.caption(), "Continue Session");
  EXPECT_EQ(prompt.Label1.caption(), "Less than 2 mins. remaining in this session.   If you want to continue, please specify:");
  EXPECT_EQ(prompt.Frame2.caption(), "Extend my surfing session by");
  EXPECT_EQ(prompt.Command1.caption(), "Conti&nue...");
  EXPECT_EQ(prompt.Text1.text(), "0");
  auto& calls = c.desktop.calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SetWindowPos " + std::to_string(prompt.hWnd()) + " HWND_TOPMOST"), calls.end());

  prompt.Text1.selectAll();
  prompt.Text1.typeText("10");
  prompt.Command1.userClick();
  EXPECT_FALSE(c.h.app.isLoaded<timemsg>());
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("25"));
  runTo(at(0, 14, 59));
  EXPECT_FALSE(timer.loggingOut());
  runTo(at(0, 23, 0));
  EXPECT_FALSE(c.h.app.isLoaded<timemsg>());
  runTo(at(0, 23, 1));
  EXPECT_TRUE(c.h.app.isLoaded<timemsg>()) << "the reminder of the new limit";
  c.h.app.form<timemsg>().Command2.userClick();
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("25")) << "Cancel keeps the limit";
  runTo(at(0, 24, 59));
  EXPECT_TRUE(timer.loggingOut());
}

TEST_F(ExtensionPrompt, TakesDigitsUpToFiftyNine) {
  stored::write(stored::TimeLimit, "15");
  logIn();
  runTo(at(0, 13, 1));
  rt::TextBox& minutes = c.h.app.form<timemsg>().Text1;
  minutes.selectAll();
  minutes.typeText("7a");
  EXPECT_EQ(minutes.text(), "7");
  minutes.typeKey(rt::key::Back);
  EXPECT_EQ(minutes.text(), "7") << "editing keys are swallowed too";
  minutes.typeText("5");
  EXPECT_EQ(minutes.text(), "0") << "75 is more than the box takes";
  c.h.app.form<timemsg>().Command1.userClick();
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("15")) << "extending by 0 keeps the limit";
}

TEST_F(ExtensionPrompt, SessionEndClosesThePrompt) {
  stored::write(stored::TimeLimit, "15");
  frmtimer2& timer = logIn();
  runTo(at(0, 13, 1));
  ASSERT_TRUE(c.h.app.isLoaded<timemsg>());
  timer.logout();
  confirmLogout();
  EXPECT_FALSE(c.h.app.isLoaded<timemsg>());
}

}  // namespace
}  // namespace tavimo
