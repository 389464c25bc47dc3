#include <gtest/gtest.h>

#include "GuestSession.h"
#include "runtime/MsgBox.h"
#include "session/frmOrders.h"

namespace tavimo {
namespace {

// The orders window of a guest's session, with the items the server offers.
class Orders : public testing::GuestSession {
 protected:
  frmOrders& open(std::initializer_list<const char*> items = {"Coffee|1.5", "Sandwich|3.25", "Tea|0.1"}) {
    logIn();
    showTab("KOs");
    window().lblOrders.userClick();
    c.h.backend.advance(10);
    for (const char* item : items) orders.sendTo("10.0.0.7", 45669, item);
    c.h.backend.advance(10);
    return c.h.app.form<frmOrders>();
  }
  // Clicks the item's row, types the quantity and adds it.
  void add(frmOrders& w, int row, const std::string& quantity) {
    w.Lv1.userClicked(row);
    w.txtQuantity.typeText(quantity);
    w.Command1.userClick();
  }
  std::vector<std::vector<std::string>> order(frmOrders& w) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < w.Lv2.rowCount(); ++r) rows.push_back({w.Lv2.cell(r, 0), w.Lv2.cell(r, 1), w.Lv2.cell(r, 2)});
    return rows;
  }
  std::string lastBox() { return c.h.backend.messageBoxes().back().prompt; }
  testing::ServerPort orders{c.h.server, 45675};
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(Orders, ItemsArriveOneDatagramEach) {
  frmOrders& w = open({"Coffee|1.5", "Ice|cream|2", "no bar"});
  EXPECT_EQ(w.caption(), "Place your order");
  EXPECT_EQ(orders.texts(), std::vector<std::string>{"1|TAVIMO-PC07"});
  ASSERT_EQ(w.Lv1.rowCount(), 3);
  EXPECT_EQ(w.Lv1.cell(1, 0), "Ice") << "split at the first |";
  EXPECT_EQ(w.Lv1.cell(1, 1), "cream|2");
  EXPECT_EQ(w.Lv1.cell(2, 0), "");
  EXPECT_EQ(w.Lv1.cell(2, 1), "no bar");
  EXPECT_EQ(w.Lv1.columns()[1].caption, "Price Per Item");
  EXPECT_EQ(w.Lv2.columns()[2].caption, "Quantity");
  EXPECT_FALSE(w.Command1.enabled());
}

TEST_F(Orders, TheSameItemTwiceIsOneRowMovedToTheEnd) {
  frmOrders& w = open();
  add(w, 0, "2");
  add(w, 1, "1");
  add(w, 0, "3");
  EXPECT_EQ(order(w), (Rows{{"Sandwich", "3.25", "1"}, {"Coffee", "7.5", "5"}}));
  EXPECT_EQ(w.txtQuantity.text(), "");
  EXPECT_FALSE(w.Command1.enabled());
  add(w, 2, "3");
  EXPECT_EQ(order(w).back(), (std::vector<std::string>{"Tea", "0.3", "3"})) << "a single-precision product";
}

TEST_F(Orders, QuantityTakesDigitsAndEditingKeys) {
  frmOrders& w = open();
  w.Lv1.userClicked(0);
  EXPECT_EQ(w.txtQuantity.text(), "0");
  EXPECT_EQ(w.activeControl(), &w.txtQuantity);
  w.txtQuantity.typeText("1a2");
  EXPECT_EQ(w.txtQuantity.text(), "12") << "the whole 0 was selected and replaced";
  w.txtQuantity.typeKey(rt::key::Back);
  EXPECT_EQ(w.txtQuantity.text(), "1");
  w.Command1.userClick();
  w.Lv1.userClicked(1);
  w.Command1.userClick();
  EXPECT_EQ(order(w), (Rows{{"Coffee", "1.5", "1"}, {"Sandwich", "0", "0"}})) << "0 is a quantity too";

  w.Lv1.userClicked(2);
  w.txtQuantity.setText("  ");
  w.Command1.userClick();
  EXPECT_EQ(lastBox(), "Invalid Quantity value");
  EXPECT_EQ(w.Lv2.rowCount(), 2);
}

TEST_F(Orders, PlacingSendsTheRowsInOrderAndEmptiesTheList) {
  frmOrders& w = open();
  add(w, 0, "2");
  add(w, 1, "1");
  c.h.backend.answerMessageBox(rt::mb::No);
  w.Command2.userClick();
  EXPECT_EQ(lastBox(), "Continue placing this order...");
  EXPECT_EQ(w.Lv2.rowCount(), 2);
  c.h.backend.answerMessageBox(rt::mb::Yes);
  w.Command2.userClick();
  c.h.backend.advance(10);
  EXPECT_EQ(orders.texts().back(), "2|Coffee,2|Sandwich,1|TAVIMO-PC07");
  EXPECT_EQ(w.Lv2.rowCount(), 0);
  w.Command2.userClick();
  EXPECT_EQ(lastBox(), "No items to order");
}

TEST_F(Orders, AtMostFiveRowsInOneOrder) {
  frmOrders& w = open({"A|1", "B|1", "C|1", "D|1", "E|1", "F|1"});
  for (int row = 0; row < 6; ++row) add(w, row, "1");
  w.Command2.userClick();
  EXPECT_EQ(lastBox(), "One order can contain maiximum of 5 items.\r\nSo first send this order then build a new one.");
  EXPECT_EQ(w.Lv2.rowCount(), 6);
  w.Lv2.userSelected(5, true);
  w.Lv2.userSelected(0, true);
  w.Command3.userClick();
  EXPECT_EQ(order(w).front()[0], "B") << "the selected rows are gone";
  c.h.backend.answerMessageBox(rt::mb::Yes);
  w.Command2.userClick();
  c.h.backend.advance(10);
  EXPECT_EQ(orders.texts().back(), "2|B,1|C,1|D,1|E,1|TAVIMO-PC07");
}

TEST_F(Orders, NameThatWouldBreakTheOrderIsRefused) {
  frmOrders& w = open({"Tea, hot|1", "Coffee|1.5"});
  add(w, 0, "1");
  EXPECT_EQ(lastBox(), "\"Tea, hot\" cannot be ordered from here, because its name holds \",\" or \"|\". Please ask the staff for it.");
  EXPECT_EQ(w.Lv2.rowCount(), 0);
  add(w, 1, "1");
  EXPECT_EQ(w.Lv2.rowCount(), 1);
}

TEST_F(Orders, SendFailureStillEmptiesTheOrder) {
  frmOrders& w = open();
  add(w, 0, "1");
  client().serverName = "";  // no server to send to
  c.h.backend.answerMessageBox(rt::mb::Yes);
  w.Command2.userClick();
  c.h.backend.advance(10);
  EXPECT_EQ(orders.texts(), std::vector<std::string>{"1|TAVIMO-PC07"}) << "the order could not be sent";
  EXPECT_EQ(w.Lv2.rowCount(), 0);
}

TEST_F(Orders, PortInUseEndsTheWindowWithTheError) {
  logIn();
  auto taken = c.h.thisPc.createSocket();
  ASSERT_EQ(taken->bind(45669), 0);
  showTab("KOs");
  window().lblOrders.userClick();
  ASSERT_FALSE(c.h.backend.messageBoxes().empty());
  const rt::MessageBoxShown& box = c.h.backend.messageBoxes().back();
  EXPECT_EQ(box.prompt.substr(0, 14), "Error #: 10048");
  EXPECT_EQ(box.title, "Tavimo Error Information");
  EXPECT_EQ(box.style, rt::mb::OkOnly | rt::mb::Exclamation);
  EXPECT_FALSE(c.h.app.isLoaded<frmOrders>());
}

}  // namespace
}  // namespace tavimo
