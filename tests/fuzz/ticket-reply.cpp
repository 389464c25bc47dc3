// The server's answers to a ticket login, one after another on the ticket socket; when the
// account lets the ticket holder in, the account window is confirmed and the ticket timer runs
// for a few seconds on the account's figures.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"
#include "session/frmmemprof.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.startLogin();
  f.logIn("1001", "day");
  for (const std::string& reply : fuzzing::partsOf(data, size)) f.deliver(ports::wskTicket, reply);
  f.pc.h.backend.advance(600);
  if (f.pc.h.app.isLoaded<frmmemprof>()) f.pc.h.app.form<frmmemprof>().Command1.userClick();
  f.pc.h.backend.advance(3000);
  return 0;
}
