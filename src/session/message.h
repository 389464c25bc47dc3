#pragma once
// The administrator's message: a small notice that slides up from below the screen's
// bottom-right corner, rests there five seconds and slides away again.
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"

namespace tavimo {

class message : public rt::Form {
 public:
  message();

  rt::Shape Shape1{*this, "Shape1"};  // the title band
  rt::Image Image2{*this, "Image2"};
  rt::Label Label3{*this, "Label3"};
  rt::Image Image1{*this, "Image1"};
  rt::Label Label2{*this, "Label2"};
  rt::TextBox Label1{*this, "Label1"};
  rt::ImageList ImageList1{*this, "ImageList1"};
  rt::Timer Timer1{*this, "Timer1"};

  // Starts the slide again from below the screen, with the message now waiting.
  void startCycle();

 protected:
  void onLoad() override;

 private:
  void Timer1_Timer();
  bool rising_ = true;
};

// Shows the waiting message: in the open notice if there is one, else in a new one.
void showAdministratorMessage();

}  // namespace tavimo
