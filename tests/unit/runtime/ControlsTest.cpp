#include <gtest/gtest.h>

#include "runtime/Controls.h"
#include "runtime/ListControls.h"
#include "runtime/TextBox.h"
#include "runtime/UpDown.h"
#include "support/HeadlessApp.h"

namespace tavimo::rt {
namespace {

struct frmLogin : Form {
  Frame framlogin{*this, "framlogin"};
  TextBox txtlog{*this, "txtlog"};
  TextBox txtpas{*this, "txtpas"};
  CommandButton cmdsubt{*this, "cmdsubt"};
  CommandButton cmdcan{*this, "cmdcan"};
  Label lblStatus{*this, "lblStatus"};
  Frame frammessage{*this, "frammessage"};
  CommandButton cmdmessage{*this, "cmdmessage"};
  OptionButton optchoice0{*this, "optchoice", 0};
  OptionButton optchoice1{*this, "optchoice", 1};
  OptionButton optInFrame{*this, "optInFrame"};
  CheckBox Check4{*this, "Check4"};
  std::vector<std::string> log;

  frmLogin() : Form("frmLogin") {
    for (Control* c : std::initializer_list<Control*>{&txtlog, &txtpas, &cmdsubt, &cmdcan, &lblStatus, &optInFrame})
      c->setContainer(&framlogin);
    cmdmessage.setContainer(&frammessage);
    frammessage.setVisible(false);
    txtpas.onChange = [this] { log.push_back("change " + txtpas.text()); };
    txtlog.onGotFocus = [this] { log.push_back("got txtlog"); };
    txtlog.onLostFocus = [this] { log.push_back("lost txtlog"); };
  }
};

class Controls : public ::testing::Test {
 protected:
  frmLogin& shown() {
    auto& f = h.app.form<frmLogin>();
    f.show();
    f.log.clear();
    return f;
  }
  testing::HeadlessApp h;
};

TEST_F(Controls, KeyPressCanSwallowOrReplaceTheKey) {
  auto& f = shown();
  f.txtpas.onKeyPress = [](int& key) {
    if (key >= '0' && key <= '9') key = 0;          // digits are refused
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';  // letters become capitals
  };
  f.txtpas.typeText("ab1c");
  EXPECT_EQ(f.txtpas.text(), "ABC");
  EXPECT_EQ(f.log, (std::vector<std::string>{"change A", "change AB", "change ABC"}));
}

TEST_F(Controls, TypingRespectsLengthLockAndSelection) {
  auto& f = shown();
  struct Row {
    const char* start;
    int maxLength;
    bool locked;
    int selStart, selLength;
    std::string typed;
    const char* expected;
  };
  const Row rows[] = {
      {"", 3, false, 0, 0, "abcd", "abc"},              // the limit stops further keys
      {"abc", 0, true, 3, 0, "d", "abc"},               // locked: nothing changes
      {"abc", 0, false, 0, 3, "x", "x"},                // a typed key replaces the selection
      {"abc", 0, false, 3, 0, "\b\b", "a"},             // Back deletes before the caret
      {"abc", 0, false, 3, 0, "\r\t", "abc"},           // Return and Tab insert nothing
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.expected);
    f.txtlog.setMaxLength(0);
    f.txtlog.setLocked(false);
    f.txtlog.setText(row.start);
    f.txtlog.setMaxLength(row.maxLength);
    f.txtlog.setLocked(row.locked);
    f.txtlog.select(row.selStart, row.selLength);
    f.txtlog.typeText(row.typed);
    EXPECT_EQ(f.txtlog.text(), row.expected);
  }
}

TEST_F(Controls, ChangeFiresOnlyWhenTheTextChanges) {
  auto& f = shown();
  f.txtpas.setText("x");
  f.txtpas.setText("x");
  f.txtpas.textEdited("xy");
  f.txtpas.setText("");
  EXPECT_EQ(f.log, (std::vector<std::string>{"change x", "change xy", "change "}));
}

TEST_F(Controls, TabMovesInTabOrderOverControlsThatCanTakeFocus) {
  auto& f = shown();
  f.txtlog.setFocus();
  std::vector<std::string> visited;
  f.cmdcan.setEnabled(false);
  for (int i = 0; i < 6; ++i) {
    f.focusNext();
    visited.push_back(f.activeControl()->name() + (f.activeControl()->index() >= 0 ? std::to_string(f.activeControl()->index()) : ""));
  }
  // Labels, hidden frames' controls and the disabled button are passed over; the order wraps.
  EXPECT_EQ(visited, (std::vector<std::string>{"txtpas", "cmdsubt", "optchoice0", "optchoice1", "optInFrame", "Check4"}));
  f.focusNext();
  EXPECT_EQ(f.activeControl(), &f.txtlog);
  f.focusNext(true);
  EXPECT_EQ(f.activeControl(), &f.Check4);
}

TEST_F(Controls, FocusEventsAndRefusedFocus) {
  auto& f = shown();
  EXPECT_EQ(f.activeControl(), &f.txtlog) << "a shown form starts at the first control in tab order";
  f.txtpas.setFocus();
  f.txtlog.setFocus();
  f.txtpas.setFocus();
  f.cmdmessage.setFocus();  // inside the hidden message frame: refused
  EXPECT_EQ(f.activeControl(), &f.txtpas);
  EXPECT_EQ(f.log, (std::vector<std::string>{"lost txtlog", "got txtlog", "lost txtlog"}));
}

TEST_F(Controls, HidingTheFocusedControlMovesTheFocusOn) {
  auto& f = shown();
  f.txtpas.setFocus();
  f.framlogin.setVisible(false);
  EXPECT_EQ(f.activeControl(), &f.optchoice0);
}

TEST_F(Controls, OptionButtonsAreExclusiveWithinTheirContainer) {
  auto& f = shown();
  int clicks = 0;
  f.optchoice0.onClick = [&clicks] { ++clicks; };
  f.optInFrame.setValue(true);
  f.optchoice1.setValue(true);
  f.optchoice0.userClick();
  EXPECT_TRUE(f.optchoice0.value());
  EXPECT_FALSE(f.optchoice1.value());
  EXPECT_TRUE(f.optInFrame.value());  // another container
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, DisabledOrHiddenButtonsIgnoreTheUsersClick) {
  auto& f = shown();
  int clicks = 0;
  f.cmdsubt.onClick = [&clicks] { ++clicks; };
  f.cmdsubt.setEnabled(false);
  f.cmdsubt.userClick();
  f.cmdsubt.setEnabled(true);
  f.framlogin.setVisible(false);
  f.cmdsubt.userClick();
  EXPECT_EQ(clicks, 0);
  f.cmdsubt.click();  // the program presses it regardless
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, CheckBoxClickToggles) {
  auto& f = shown();
  int clicks = 0;
  f.Check4.onClick = [&clicks] { ++clicks; };
  f.Check4.userClick();
  EXPECT_EQ(f.Check4.value(), 1);
  f.Check4.userClick();
  EXPECT_EQ(f.Check4.value(), 0);
  f.Check4.setValue(0);
  EXPECT_EQ(clicks, 2);
}

struct frmLists : Form {
  ListBox List1{*this, "List1"};
  ComboBox Combo1{*this, "Combo1"};
  frmLists() : Form("frmLists") {}
};

TEST_F(Controls, ListsKeepTheSelectionInStepWithInsertsAndRemovals) {
  auto& f = h.app.form<frmLists>();
  int clicks = 0;
  f.List1.onClick = [&clicks] { ++clicks; };
  f.List1.addItem("b");
  f.List1.addItem("c");
  f.List1.setListIndex(1);
  f.List1.addItem("a", 0);
  EXPECT_EQ(f.List1.listIndex(), 2);
  EXPECT_EQ(f.List1.list(f.List1.listIndex()), "c");
  f.List1.removeItem(0);
  EXPECT_EQ(f.List1.listIndex(), 1);
  f.List1.removeItem(1);
  EXPECT_EQ(f.List1.listIndex(), -1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, ComboTextFollowsTheSelectedItem) {
  auto& f = h.app.form<frmLists>();
  f.Combo1.addItem("Slot I");
  f.Combo1.addItem("Slot II");
  f.Combo1.setListIndex(1);
  EXPECT_EQ(f.Combo1.text(), "Slot II");
  f.Combo1.setStyle(ComboStyle::DropDownList);
  f.Combo1.setText("Slot I");
  EXPECT_EQ(f.Combo1.listIndex(), 0);
  f.Combo1.setText("Slot III");  // not in the list: the selection stays
  EXPECT_EQ(f.Combo1.text(), "Slot I");
}

// Each arrow starts from the number the buddy shows, typed or stepped, and stays in range.
TEST_F(Controls, UpDownStepsTheBuddyWithinItsRange) {
  struct frmMinutes : Form {
    TextBox Text1{*this, "Text1"};
    UpDown UpDown1{*this, "UpDown1"};
    frmMinutes() : Form("frmMinutes") {
      UpDown1.setBuddy(Text1);
      UpDown1.setRange(0, 59);
      UpDown1.setIncrement(5);
    }
  };
  auto& f = h.app.form<frmMinutes>();
  f.show();
  struct Row {
    const char* shown;
    int direction;
    const char* after;
  };
  for (Row row : {Row{"0", 1, "5"}, Row{"12", 1, "17"}, Row{" 12 ", -1, "7"}, Row{"3", -1, "0"}, Row{"57", 1, "59"},
                  Row{"75", 1, "59"}, Row{"", 1, "5"}, Row{"abc", -1, "0"}}) {
    f.UpDown1.setValue(0);
    f.Text1.setText(row.shown);
    f.UpDown1.spin(row.direction);
    EXPECT_EQ(f.Text1.text(), row.after) << "from \"" << row.shown << "\" " << row.direction;
  }
  f.UpDown1.setEnabled(false);
  f.UpDown1.spin(1);
  EXPECT_EQ(f.Text1.text(), "0") << "a disabled control does not step";
}

}  // namespace
}  // namespace tavimo::rt
