#include "session/frmOrders.h"

#include "core/ClientContext.h"
#include "net/Ports.h"
#include "runtime/App.h"
#include "runtime/MsgBox.h"
#include "util/Convert.h"
#include "util/Text.h"

namespace tavimo {

namespace {
constexpr int mostRows = 5;
constexpr int longestQuantity = 4;  // up to 9999 of one item
constexpr const char* errorTitle = "Tavimo Error Information";

// The order's own separators: a name holding one could not be told apart from the next field.
bool fitsTheOrder(const std::string& name) { return name.find_first_of(",|") == std::string::npos; }

// The quantity as a number of the order; a text that is no number counts as nothing.
double quantityOf(const std::string& text) { return toDouble(trim(text)).value_or(0); }
}  // namespace

frmOrders::frmOrders() : Form("frmOrders") {
  setCaption("Place your order");
  setBorderStyle(rt::BorderStyle::FixedSingle);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::CenterScreen);
  setClientSize(7200, 4740);

  fraOr.setCaption("Available Items");
  fraOr.move(120, 120, 3420, 4440);
  Lv1.setContainer(&fraOr);
  Lv1.move(120, 300, 3180, 3180);
  Lv1.addColumn("Item(s)", 1740);
  Lv1.addColumn("Price Per Item", 1380);
  Label1.setCaption("Quantity:");
  Label1.setContainer(&fraOr);
  Label1.move(120, 3645, 840, 255);
  txtQuantity.setContainer(&fraOr);
  txtQuantity.setMaxLength(longestQuantity);
  txtQuantity.move(960, 3600, 780, 330);
  Command1.setCaption("&Add to my order");
  Command1.setContainer(&fraOr);
  Command1.setEnabled(false);
  Command1.move(1860, 3570, 1440, 390);

  Frame1.setCaption("Your final order");
  Frame1.move(3660, 120, 3420, 4440);
  Lv2.setContainer(&Frame1);
  Lv2.move(120, 300, 3180, 3180);
  Lv2.addColumn("Item(s)", 1380);
  Lv2.addColumn("Price", 780);
  Lv2.addColumn("Quantity", 960);
  Lv2.setMultiSelect(true);
  Command3.setCaption("&Delete Item");
  Command3.setContainer(&Frame1);
  Command3.move(120, 3570, 1440, 390);
  Command2.setCaption("&Place this order");
  Command2.setContainer(&Frame1);
  Command2.move(1740, 3570, 1560, 390);
  // Holds the focus until an item is chosen.
  Text1.move(0, 0, 0, 0);

  ws1.onDataArrival = [this](long) { itemArrived(); };
  Lv1.onItemClick = [this](int row) { Lv1_ItemClick(row); };
  Lv1.onClick = [this] { txtQuantity.setFocus(); };
  txtQuantity.onGotFocus = [this] { txtQuantity.selectAll(); };
  txtQuantity.onKeyPress = [](int& key) {
    if (key > 26 && (key < '0' || key > '9')) key = 0;
  };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
}

// Asks for the item list; a socket that cannot be bound or send ends the window at once.
void frmOrders::onLoad() {
  const ClientContext& c = client();
  std::optional<rt::SocketError> error = ws1.bind(ports::ws1);
  if (!error) {
    ws1.setRemoteHost(c.serverName);
    ws1.setRemotePort(ports::serverOrders);
    error = ws1.sendData("1|" + c.pcName);
  }
  if (!error) return;
  rt::msgBox("Error #: " + std::to_string(error->number) + "\r\n" + error->description, rt::mb::OkOnly | rt::mb::Exclamation,
             errorTitle);
  unload();
}

void frmOrders::onActivate() { Text1.setFocus(); }

// "Coffee|1.5": the name up to the first "|", the price after it.
void frmOrders::itemArrived() {
  const std::string item = ws1.getData();
  const std::size_t bar = item.find('|');
  if (bar == std::string::npos)
    Lv1.addRow({"", item});
  else
    Lv1.addRow({item.substr(0, bar), item.substr(bar + 1)});
}

void frmOrders::Lv1_ItemClick(int row) {
  itemName_ = Lv1.cell(row, 0);
  itemPrice_ = Lv1.cell(row, 1);
  quantity_.clear();
  txtQuantity.setText("0");
  Command1.setEnabled(true);
}

void frmOrders::Command1_Click() {
  if (trim(txtQuantity.text()).empty()) {
    rt::msgBox("Invalid Quantity value", rt::mb::OkOnly | rt::mb::Information);
    txtQuantity.setFocus();
    txtQuantity.selectAll();
    return;
  }
  if (!fitsTheOrder(itemName_)) {
    rt::msgBox("\"" + itemName_ + "\" cannot be ordered from here, because its name holds \",\" or \"|\". " +
                   "Please ask the staff for it.",
               rt::mb::OkOnly | rt::mb::Information);
    return;
  }
  for (int row = 0; row < Lv2.rowCount(); ++row) {
    if (Lv2.cell(row, 0) != itemName_) continue;
    txtQuantity.setText(decimalText(quantityOf(Lv2.cell(row, 2)) + quantityOf(txtQuantity.text())));
    Lv2.removeRow(row);
    break;
  }
  quantity_ = txtQuantity.text();
  const auto price = toSingle(itemPrice_);
  const auto count = toSingle(trim(quantity_));
  Lv2.addRow({itemName_, price && count ? moneyText(*price * *count) : "", quantity_});
  txtQuantity.setText("");
  Command1.setEnabled(false);
}

void frmOrders::Command3_Click() {
  for (int row = Lv2.rowCount() - 1; row >= 0; --row)
    if (Lv2.selected(row)) Lv2.removeRow(row);
}

void frmOrders::Command2_Click() {
  if (Lv2.rowCount() > mostRows) {
    rt::msgBox("One order can contain maiximum of 5 items.\r\nSo first send this order then build a new one.",
               rt::mb::OkOnly | rt::mb::Information);
    return;
  }
  if (Lv2.rowCount() == 0) {
    rt::msgBox("No items to order", rt::mb::OkOnly | rt::mb::Information);
    return;
  }
  if (rt::msgBox("Continue placing this order...", rt::mb::YesNo | rt::mb::Question) != rt::mb::Yes) return;
  const ClientContext& c = client();
  std::string order = "2|";
  for (int row = 0; row < Lv2.rowCount(); ++row) order += Lv2.cell(row, 0) + "," + Lv2.cell(row, 2) + "|";
  order += c.pcName;
  ws1.setRemoteHost(c.serverName);
  ws1.setRemotePort(ports::serverOrders);
  ws1.sendData(order);
  Lv2.clearRows();
}

}  // namespace tavimo
