#pragma once
// The customer's order: the items the café offers, as the server lists them, and an order of
// at most five of them with their quantities, sent to the server in one datagram.
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/ListView.h"
#include "runtime/TextBox.h"
#include "runtime/UdpSocket.h"

namespace tavimo {

class frmOrders : public rt::Form {
 public:
  frmOrders();

  rt::Frame fraOr{*this, "fraOr"};
  rt::ListView Lv1{*this, "Lv1"};
  rt::Label Label1{*this, "Label1"};
  rt::TextBox txtQuantity{*this, "txtQuantity"};
  rt::CommandButton Command1{*this, "Command1"};
  rt::Frame Frame1{*this, "Frame1"};
  rt::ListView Lv2{*this, "Lv2"};
  rt::CommandButton Command2{*this, "Command2"};
  rt::CommandButton Command3{*this, "Command3"};
  rt::TextBox Text1{*this, "Text1"};
  rt::UdpSocket ws1{*this, "ws1"};

 protected:
  void onLoad() override;
  void onActivate() override;

 private:
  void itemArrived();
  void Lv1_ItemClick(int row);
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  std::string itemName_;
  std::string itemPrice_;
  std::string quantity_;
};

}  // namespace tavimo
