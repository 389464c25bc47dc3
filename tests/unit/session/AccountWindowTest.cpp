#include <gtest/gtest.h>

#include "AccountSession.h"
#include "lockdown/frmBlocks.h"
#include "login/frmstart.h"
#include "runtime/MsgBox.h"
#include "session/frmmempaschng.h"

namespace tavimo {
namespace {

using AccountWindow = testing::AccountSession;

TEST_F(AccountWindow, MemberSeesTheWholeAccount) {
  frmmemprof& account = memberLogsIn("Gold|01/05/2026|12/31/2026|5|0|2|30|17.5|0|15");
  EXPECT_TRUE(account.visible());
  EXPECT_EQ(account.caption(), "Member Account Details");
  EXPECT_EQ(account.Label3.caption(), "Welcome");
  EXPECT_EQ(account.Label1.caption(), "anna");
  EXPECT_EQ(account.Frame1.caption(), "Account Status");
  EXPECT_EQ(account.lblScheme.caption(), "Gold");
  EXPECT_EQ(account.lbltt.caption(), "5 Hr(s), 0 Min(s)");
  EXPECT_EQ(account.lbltu.caption(), "2 Hr(s), 30 Min(s)");
  EXPECT_EQ(account.lblamnt.caption(), "17.5 Rs");
  EXPECT_EQ(account.lblrdate.caption(), "01/05/2026");
  EXPECT_EQ(account.lbledate.caption(), "12/31/2026");
  EXPECT_TRUE(account.Label4.visible());
  EXPECT_EQ(account.Label4.caption(), "Change Password");
  EXPECT_EQ(account.Command1.caption(), "&Ok");
  EXPECT_EQ(account.Command2.caption(), "E&xit");
  // The window as the system has it: the pointer stays inside it while it is active.
  c.desktop.windows.push_back({account.hWnd(), 0, "ThunderRT6FormDC", account.caption(), true, {300, 200, 660, 460}});
  account.raiseActivate();
  ASSERT_NE(c.desktop.cursorClip(), nullptr);
  EXPECT_EQ(*c.desktop.cursorClip(), (Rect{300, 200, 660, 460}));
  c.h.backend.advance(50);
  const std::string topmost = "SetWindowPos " + std::to_string(account.hWnd()) + " HWND_TOPMOST";
  EXPECT_GE(std::count(c.desktop.calls.begin(), c.desktop.calls.end(), topmost), 10);
}

TEST_F(AccountWindow, TicketHolderSeesNoAmountAndCannotChangeAPassword) {
  frmmemprof& account = ticketLogsIn(" Hour | 12/01/2026 | 12/31/2026 |3|0|2|50|0|0");
  EXPECT_EQ(account.Label1.caption(), "1001");
  EXPECT_EQ(account.lblScheme.caption(), "Hour");
  EXPECT_EQ(account.lbltt.caption(), "3 Hr(s), 0 Min(s)");
  EXPECT_EQ(account.lbltu.caption(), "2 Hr(s), 50 Min(s)");
  EXPECT_EQ(account.lblrdate.caption(), "12/01/2026");
  EXPECT_FALSE(account.lblamnt.visible());
  EXPECT_FALSE(account.Label4.visible());
  EXPECT_FALSE(account.Line2.visible());
}

TEST_F(AccountWindow, OkStartsTheSessionAndExitGoesBack) {
  stored::write(stored::Blocking, 1);
  frmmemprof& account = memberLogsIn();
  account.Command2.userClick();
  EXPECT_FALSE(c.h.app.isLoaded<frmmemprof>());
  EXPECT_FALSE(c.h.app.isLoaded<frmtimer>());
  EXPECT_TRUE(screen.visible());
  EXPECT_EQ(c.desktop.cursorClip(), nullptr);

  memberLogsIn().Command1.userClick();
  EXPECT_TRUE(c.h.app.form<frmtimer>().visible());
  EXPECT_TRUE(c.h.app.isLoaded<frmBlocks>());
  EXPECT_FALSE(screen.visible());
  EXPECT_EQ(c.desktop.cursorClip(), nullptr);
}

// The member opens the password window from the account window, which waits hidden.
class PasswordChange : public AccountWindow {
 protected:
  frmmempaschng& open() {
    memberLogsIn().Label4.userClick();
    hello.received.clear();
    return c.h.app.form<frmmempaschng>();
  }
  void type(frmmempaschng& w, const std::string& old, const std::string& fresh, const std::string& again) {
    w.txtpas.setText(old);
    w.txtnpas.setText(fresh);
    w.txtcpas.setText(again);
  }
  std::string lastBox() { return c.h.backend.messageBoxes().back().prompt; }
};

TEST_F(PasswordChange, WindowOpensInsteadOfTheAccount) {
  frmmempaschng& w = open();
  EXPECT_EQ(w.caption(), "Member Password Modification");
  EXPECT_TRUE(w.visible());
  EXPECT_FALSE(c.h.app.form<frmmemprof>().visible());
  EXPECT_EQ(w.lbllog.caption(), "Note: Maximum  Password Length : 8 chars");
  EXPECT_FALSE(w.cmdpassave.enabled());
  w.txtcpas.typeText("x");
  EXPECT_TRUE(w.cmdpassave.enabled()) << "Save waits for the confirmation";
  for (rt::TextBox* box : {&w.txtpas, &w.txtnpas, &w.txtcpas}) {
    box->setText("");
    box->typeText("123456789");
    EXPECT_EQ(box->text(), "12345678") << box->name();
  }
  w.txtpas.setFocus();
  w.txtpas.typeKey(rt::key::Return);
  EXPECT_EQ(w.activeControl(), &w.txtnpas) << "Enter moves on";
}

TEST_F(PasswordChange, EachMistakeIsNamedAndFocused) {
  struct Row {
    const char* old;
    const char* fresh;
    const char* again;
    const char* message;
    const char* focused;
    bool selected;
  };
  const Row rows[] = {
      {"12345 ", "new1", "new1", "Invalid Old Passward", "txtpas", true},
      {"12345", "", "x", "Passward cannot be blank", "txtnpas", false},
      {"12345", "new1", "new2", "Reconfirm Password", "txtcpas", true},
  };
  frmmempaschng& w = open();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.message);
    type(w, row.old, row.fresh, row.again);
    w.cmdpassave.userClick();
    EXPECT_EQ(lastBox(), row.message);
    EXPECT_EQ(c.h.backend.messageBoxes().back().style, rt::mb::OkOnly | rt::mb::Exclamation);
    EXPECT_EQ(w.activeControl()->name(), row.focused);
    auto* box = static_cast<rt::TextBox*>(w.activeControl());
    EXPECT_EQ(box->selLength() == static_cast<int>(box->text().size()) && !box->text().empty(), row.selected);
    EXPECT_TRUE(w.Timer1.enabled()) << "on top again";
  }
  EXPECT_TRUE(hello.received.empty()) << "nothing goes to the server";
}

TEST_F(PasswordChange, OldPasswordInAnotherCaseIsRefused) {
  memberLogsIn("Gold|01/05/2026|12/31/2026|5|0|2|30|17.5|0|15");
  client().memberAccount.password = "Secret";
  c.h.app.form<frmmemprof>().Label4.userClick();
  frmmempaschng& w = c.h.app.form<frmmempaschng>();
  type(w, "secret", "new1", "new1");
  w.cmdpassave.userClick();
  EXPECT_EQ(lastBox(), "Invalid Old Passward");
}

TEST_F(PasswordChange, ReachableServerTakesTheChange) {
  frmmempaschng& w = open();
  type(w, "12345", "n3w", "n3w");
  w.cmdpassave.userClick();
  c.h.backend.advance(10);
  ASSERT_EQ(hello.texts(), std::vector<std::string>{"0|TAVIMO-PC07"}) << "the probe comes first";
  EXPECT_TRUE(member.texts().size() == 1) << "only the login request so far";
  hello.reply("2|admin|mgr|guest|Rs|12/09/2026|10:40:00 AM");
  c.h.backend.advance(600);
  EXPECT_EQ(member.texts().back(), "1|TAVIMO-PC07|pwdchng|anna|n3w");
  EXPECT_EQ(lastBox(), "Password successfully changed");
  EXPECT_EQ(c.h.backend.messageBoxes().back().style, rt::mb::OkOnly | rt::mb::Information);
  const auto& journal = c.h.backend.journal();
  EXPECT_NE(std::find(journal.begin(), journal.end(), "sleep 2000"), journal.end());
  EXPECT_FALSE(c.h.app.isLoaded<frmmempaschng>());
  EXPECT_TRUE(c.h.app.form<frmmemprof>().visible()) << "back to the account";

  c.h.app.form<frmmemprof>().Label4.userClick();
  frmmempaschng& again = c.h.app.form<frmmempaschng>();
  type(again, "12345", "n4w", "n4w");
  again.cmdpassave.userClick();
  EXPECT_EQ(lastBox(), "Invalid Old Passward") << "the old password is gone";
  type(again, "n3w", "n4w", "n4w");
  again.cmdpassave.userClick();
  c.h.backend.advance(10);
  hello.reply("2|admin|mgr|guest|Rs|12/09/2026|10:40:00 AM");
  c.h.backend.advance(600);
  EXPECT_EQ(member.texts().back(), "1|TAVIMO-PC07|pwdchng|anna|n4w");
}

TEST_F(PasswordChange, UnreachableServerEndsAtTheLoginScreen) {
  frmmempaschng& w = open();
  type(w, "12345", "n3w", "n3w");
  w.cmdpassave.userClick();
  c.h.backend.advance(10000);
  EXPECT_TRUE(c.h.app.isLoaded<frmmempaschng>()) << "20 ticks still wait";
  c.h.backend.advance(600);
  EXPECT_EQ(lastBox(), "Password cannot be changed, Tavimo Server is unreachable");
  EXPECT_FALSE(c.h.app.isLoaded<frmmempaschng>());
  EXPECT_FALSE(c.h.app.isLoaded<frmmemprof>());
  EXPECT_TRUE(screen.visible());
  EXPECT_EQ(member.texts().size(), 1u) << "nothing was changed";
  EXPECT_EQ(c.desktop.cursorClip(), nullptr);
}

TEST_F(PasswordChange, CancelEmptiesFirstThenCloses) {
  frmmempaschng& w = open();
  w.txtpas.setText("12");
  w.txtnpas.setText("3");
  w.cmdcancel3.userClick();
  EXPECT_TRUE(c.h.app.isLoaded<frmmempaschng>());
  EXPECT_EQ(w.txtpas.text() + w.txtnpas.text() + w.txtcpas.text(), "");
  w.cmdcancel3.userClick();
  EXPECT_FALSE(c.h.app.isLoaded<frmmempaschng>());
  EXPECT_TRUE(c.h.app.form<frmmemprof>().visible());
}

}  // namespace
}  // namespace tavimo
