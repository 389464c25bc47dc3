#include "login/frmstart.h"

namespace tavimo {

frmstart::frmstart() : Form("frmstart") {
  setCaption("Login Mode");
  setClientSize(6000, 4000);
}

}  // namespace tavimo
