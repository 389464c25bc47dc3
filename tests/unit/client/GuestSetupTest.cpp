#include <gtest/gtest.h>

#include "AtLoginScreen.h"
#include "lockdown/frmBlocks.h"
#include "session/frmtimer2.h"
#include "login/frmtimeselect.h"
#include "runtime/MsgBox.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::missing;
using testing::sz;

// The guest setup opened over the login screen after a guest login, with the switches the
// server set. Its window is a real one on the fake desktop, so the pointer can be confined.
class GuestSetup : public testing::AtLoginScreen {
 protected:
  frmtimeselect& open(bool asksName, bool asksDuration) {
    client().guestAsksName = asksName;
    client().guestAsksDuration = asksDuration;
    client().loginKind = "gust";
    auto& setup = c.h.app.form<frmtimeselect>();
    c.desktop.windows.push_back({setup.hWnd(), 0, "ThunderRT6FormDC", setup.caption(), true, {300, 200, 660, 400}});
    setup.show();
    return setup;
  }
  void put(const stored::Value& value, const Variant& data) { stored::write(value, data); }
  bool confined() const { return c.desktop.cursorClip() != nullptr; }
};

TEST_F(GuestSetup, LayoutFollowsTheSwitches) {
  struct Row {
    bool asksName, asksDuration;
    bool nameShown, durationShown;
    int durationTop, buttonsTop, height;
  };
  for (Row row : {Row{false, true, false, true, 120, 1320, 2100}, Row{true, false, true, false, 120, 1320, 2100},
                  Row{true, true, true, true, 1260, 2400, 3405}}) {
    auto& setup = open(row.asksName, row.asksDuration);
    SCOPED_TRACE(std::to_string(row.asksName) + std::to_string(row.asksDuration));
    EXPECT_EQ(setup.caption(), "Guest User Settings");
    EXPECT_EQ(setup.Frame3.visible(), row.nameShown);
    EXPECT_EQ(setup.Frame2.visible(), row.durationShown);
    EXPECT_EQ(setup.Frame2.top(), row.durationTop);
    EXPECT_EQ(setup.Command1.top(), row.buttonsTop);
    EXPECT_EQ(setup.Command2.top(), row.buttonsTop);
    EXPECT_EQ(setup.height(), row.height);
    EXPECT_EQ(setup.Text1.text(), "0");
    EXPECT_TRUE(confined());
    setup.Command2.userClick();
    c.h.backend.advance(10);
  }
}

TEST_F(GuestSetup, OpensOnTopWithThePointerConfinedAndTheNameToType) {
  auto& setup = open(true, true);
  const std::string handle = std::to_string(setup.hWnd());
  auto& calls = c.desktop.calls;
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SetWindowPos " + handle + " HWND_TOPMOST"), calls.end());
  ASSERT_TRUE(confined());
  EXPECT_EQ(*c.desktop.cursorClip(), (Rect{300, 200, 660, 400}));
  EXPECT_EQ(setup.activeControl(), &setup.txtName);
  EXPECT_FALSE(setup.txtName.locked());
}

TEST_F(GuestSetup, NameIsUpperCasedAndReturnConfirms) {
  put(stored::Blocking, 1);
  auto& setup = open(true, false);
  setup.txtName.typeText("maria k.");
  EXPECT_EQ(setup.txtName.text(), "MARIA K.");
  setup.txtName.typeKey(rt::key::Return);
  c.h.backend.advance(10);

  EXPECT_FALSE(c.h.app.isLoaded<frmtimeselect>());
  EXPECT_EQ(c.stored(stored::GuestName), sz("MARIA K."));
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("0")) << "the duration was not asked";
  EXPECT_EQ(client().userLabel, "MARIA K.");
  EXPECT_TRUE(c.h.app.form<frmtimer2>().visible());
  EXPECT_TRUE(c.h.app.isLoaded<frmBlocks>());
  EXPECT_FALSE(screen.visible());
  EXPECT_FALSE(confined());
  EXPECT_EQ(c.desktop.window(c.taskbar)->visible, true);
}

TEST_F(GuestSetup, ABlankNameIsRefusedOnlyWhenTheNameIsAsked) {
  auto& setup = open(true, true);
  setup.txtName.typeText("   ");
  c.h.backend.answerMessageBox(rt::mb::Ok);
  setup.Command1.userClick();
  ASSERT_EQ(c.h.backend.messageBoxes().size(), 1u);
  EXPECT_EQ(c.h.backend.messageBoxes()[0].prompt, "Invalid name");
  EXPECT_EQ(c.h.backend.messageBoxes()[0].style, rt::mb::OkOnly | rt::mb::Information);
  EXPECT_TRUE(setup.visible());
  EXPECT_TRUE(confined());
  EXPECT_EQ(setup.activeControl(), &setup.txtName);
  EXPECT_EQ(setup.txtName.selLength(), 3);
  EXPECT_EQ(c.stored(stored::GuestName), missing);
  setup.Command2.userClick();
  c.h.backend.advance(10);

  auto& durationOnly = open(false, true);
  durationOnly.Command1.userClick();
  c.h.backend.advance(10);
  EXPECT_EQ(c.h.backend.messageBoxes().size(), 1u) << "no second refusal";
  EXPECT_EQ(c.stored(stored::GuestName), sz(""));
  EXPECT_EQ(client().userLabel, "");
  EXPECT_TRUE(c.h.app.form<frmtimer2>().visible());
  EXPECT_FALSE(c.h.app.isLoaded<frmBlocks>()) << "no website filter unless the café blocks sites";
}

TEST_F(GuestSetup, DurationTakesOnlyDigitsUpToFiftyNine) {
  auto& setup = open(false, true);
  rt::TextBox& minutes = setup.Text1;
  minutes.selectAll();
  minutes.typeText("7");
  EXPECT_EQ(minutes.text(), "7");
  minutes.typeText("5");
  EXPECT_EQ(minutes.text(), "0") << "75 is more than an hour's slot";
  minutes.selectAll();
  minutes.typeText("4x-5 ");
  EXPECT_EQ(minutes.text(), "45");
  minutes.typeKey(rt::key::Back);
  EXPECT_EQ(minutes.text(), "45") << "Backspace is swallowed as well";
  setup.UpDown1.spin(1);
  EXPECT_EQ(minutes.text(), "50");
  setup.UpDown1.spin(1);
  setup.UpDown1.spin(1);
  EXPECT_EQ(minutes.text(), "59") << "the arrows stop at the top of the range";
  setup.Command1.userClick();
  c.h.backend.advance(10);
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("59"));
}

TEST_F(GuestSetup, AContinuedSessionKeepsItsName) {
  put(stored::Continue, 1);
  put(stored::GuestName, "ROSA");
  auto& setup = open(true, true);
  EXPECT_EQ(setup.txtName.text(), "ROSA");
  EXPECT_TRUE(setup.txtName.locked());
  EXPECT_EQ(client().userLabel, "ROSA");
  setup.txtName.typeText("X");
  EXPECT_EQ(setup.txtName.text(), "ROSA");
  setup.Text1.selectAll();
  setup.Text1.typeText("30");
  setup.Command1.userClick();
  c.h.backend.advance(10);
  EXPECT_EQ(c.stored(stored::GuestName), sz("ROSA"));
  EXPECT_EQ(c.stored(stored::TimeLimit), sz("30"));
}

TEST_F(GuestSetup, CancelGoesBackToAnEmptyLoginScreen) {
  screen.txtlog.setText("guest");
  auto& setup = open(true, true);
  setup.txtName.typeText("ana");
  setup.Command2.userClick();
  c.h.backend.advance(10);

  EXPECT_FALSE(c.h.app.isLoaded<frmtimeselect>());
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer2>());
  EXPECT_EQ(c.stored(stored::GuestName), missing);
  EXPECT_FALSE(confined());
  EXPECT_EQ(c.h.app.activeForm(), &screen);
  EXPECT_EQ(screen.txtlog.text(), "");
  EXPECT_EQ(client().loginKind, "") << "the guest must log in again";
  EXPECT_TRUE(screen.stimer1.enabled());
}

}  // namespace
}  // namespace tavimo
