// The tariff as the server streams it on the guest socket: start, pieces, end, in any order;
// an end loads the tariff from what the pieces wrote.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  for (const std::string& datagram : fuzzing::partsOf(data, size)) f.deliver(ports::wskGuest, datagram);
  return 0;
}
