#pragma once
// The login screen that locks the computer between sessions.
#include <array>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/LateBound.h"

namespace tavimo {

class frmstart : public rt::Form {
 public:
  frmstart();

  // "Previous user details:" and the captions of the four details, and beside each caption
  // the detail itself (filled by showPreviousUser).
  std::array<rt::Label, 5> info{rt::Label{*this, "info", 0}, rt::Label{*this, "info", 1}, rt::Label{*this, "info", 2},
                                rt::Label{*this, "info", 3}, rt::Label{*this, "info", 4}};
  rt::Label lblUser{*this, "lblUser"};
  rt::Label lblDate{*this, "lblDate"};
  rt::Label lblUsage{*this, "lblUsage"};
  rt::Label lblCharges{*this, "lblCharges"};
  // Keeps the screen's layout in proportion to the window (Flexolo.dll; optional).
  rt::LateBoundControl omxFlexolo1{*this, "omxFlexolo1", "Flexolo.omxFlexolo"};

 protected:
  // Brings back a session record that a crash left in the backup, and reports the last
  // session to the server once more.
  void onLoad() override;
  void onResize() override;
};

}  // namespace tavimo
