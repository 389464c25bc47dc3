// The item list as the server sends it to the orders window, one item a datagram; then the
// customer orders two of each item listed and places the order.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"
#include "runtime/MsgBox.h"
#include "session/frmOrders.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  frmOrders& window = f.pc.h.app.form<frmOrders>();
  window.show();
  f.pc.h.backend.advance(10);
  for (const std::string& item : fuzzing::partsOf(data, size)) f.deliver(ports::ws1, item);
  for (int row = 0; row < window.Lv1.rowCount(); ++row) {
    window.Lv1.userClicked(row);
    window.txtQuantity.typeText("2");
    window.Command1.userClick();
  }
  f.pc.h.backend.answerMessageBox(rt::mb::Yes);
  window.Command2.userClick();
  f.pc.h.backend.advance(10);
  return 0;
}
