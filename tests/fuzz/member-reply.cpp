// The server's answers to member requests, one after another on the member socket.
#include "FuzzClient.h"
#include "FuzzInput.h"
#include "net/Ports.h"

using namespace tavimo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  for (const std::string& reply : fuzzing::partsOf(data, size)) f.deliver(ports::wskMember, reply);
  return 0;
}
