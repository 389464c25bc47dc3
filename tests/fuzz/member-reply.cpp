// The server's answers to a member's login, one after another on the member socket; when the
// account lets the member in, the account window is confirmed and the member's timer runs
// for a few seconds on the account's figures.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"
#include "session/frmmemprof.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.startLogin();
  f.logIn("anna", "pw");
  for (const std::string& reply : fuzzing::partsOf(data, size)) f.deliver(ports::wskMember, reply);
  f.pc.h.backend.advance(600);
  if (f.pc.h.app.isLoaded<frmmemprof>()) f.pc.h.app.form<frmmemprof>().Command1.userClick();
  f.pc.h.backend.advance(3000);
  return 0;
}
