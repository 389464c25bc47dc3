// The server's answers on the hello socket: the first part answers the hello of a starting
// client, the parts after it answer the probes of the client that then runs.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "core/frmconnection.h"
#include "net/Ports.h"
#include "util/mdlRegistry.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVServer", "CAFESERVER", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Server", "TVSSpec", 1, REG_DWORD);
  client().startupPhase = true;
  f.pc.h.app.form<frmconnection>().show();
  f.pc.h.backend.advance(10);
  for (const std::string& answer : fuzzing::partsOf(data, size)) f.deliver(ports::wskServer, answer);
  return 0;
}
