// The security settings files as the server sends them on the settings socket, in a download
// that the remote command started: starts, pieces and ends in any order; the ends ask for the
// next file and, once the last was asked for, apply all three.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  f.startLogin();
  client().settingsStep = 1;
  for (const std::string& datagram : fuzzing::partsOf(data, size)) f.deliver(ports::Csetting, datagram);
  return 0;
}
