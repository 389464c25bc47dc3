#pragma once
// A member's password change: the old password, the new one twice, then the server is asked
// whether it can be reached, and the change goes to it.
#include <cstdint>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"

namespace tavimo {

class frmmempaschng : public rt::Form {
 public:
  frmmempaschng();

  rt::Label lblOld{*this, "lblOld"};
  rt::TextBox txtpas{*this, "txtpas"};
  rt::Label lblNew{*this, "lblNew"};
  rt::TextBox txtnpas{*this, "txtnpas"};
  rt::Label lblConfirm{*this, "lblConfirm"};
  rt::TextBox txtcpas{*this, "txtcpas"};
  rt::Label lbllog{*this, "lbllog"};
  rt::CommandButton cmdpassave{*this, "cmdpassave"};
  rt::CommandButton cmdcancel3{*this, "cmdcancel3"};
  rt::Timer Timer1{*this, "Timer1"};
  rt::Timer Timer2{*this, "Timer2"};

  // The three checks before a change; on the first failure it tells the member why and
  // puts the focus where the mistake is.
  bool validt();

 protected:
  void onActivate() override;
  void onUnload(bool& cancel) override;

 private:
  void cmdpassave_Click();
  void cmdcancel3_Click();
  void Timer2_Timer();
  void leaveTopmost();
  // A message box above the window, which steps out of the topmost layer for it.
  void tell(const char* text, int style);
  void refuse(const char* text, rt::TextBox& field);
  bool returnToAccount_ = true;
  std::uint8_t waitCounter_ = 0;
};

}  // namespace tavimo
